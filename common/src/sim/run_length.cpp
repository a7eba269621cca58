#include "orven/sim/run_length.h"

#include <QLocale>
#include <cmath>
#include <optional>

namespace orven::sim {

namespace {

std::optional<double> readNumber(const QString& text) {
    bool ok = false;
    const double value = QLocale::system().toDouble(text, &ok);
    if (ok) return value;
    // A period as decimal point is always understood, whatever the locale.
    const double plain = QLocale::c().toDouble(text, &ok);
    if (ok) return plain;
    return std::nullopt;
}

}  // namespace

RunLengthAnswer readRunLength(const QString& answer) {
    const std::optional<double> value = readNumber(answer.trimmed());
    // "inf" and "nan" read as numbers to the locale, but are no run length a user can mean.
    if (!value || !std::isfinite(*value)) return {RunLengthAnswer::Kind::NotANumber};
    if (!(*value > 0.0) || *value > kMaxRuntime) return {RunLengthAnswer::Kind::OutOfRange};
    const auto single = static_cast<float>(*value);
    // Too small for single precision: it would read as a run length of 0.
    if (!(single > 0.0f)) return {RunLengthAnswer::Kind::OutOfRange};
    return {RunLengthAnswer::Kind::Accepted, single};
}

QString runLengthPromptText() {
    return QStringLiteral("Δώσε χρόνο εκτέλεσης πειράματος");
}

QString runLengthRangeMessage() {
    return QStringLiteral("Ο χρόνος εκτέλεσης πρέπει να είναι θετικός αριθμός έως 1E+14.");
}

}  // namespace orven::sim
