#include "orven/exact/comparison.h"

#include <QLocale>
#include <cmath>

#include "orven/fixed4.h"

namespace orven::exact {

namespace {

const QString kHeading = QStringLiteral("Ακριβής τιμή: ");

// One decimal in the display form, with a true minus sign: "−3.5", "0.4".
QString signedTenths(double value) {
    const double tenths = std::round(value * 10.0) / 10.0;
    const QString magnitude = QLocale::system().toString(std::fabs(tenths), 'f', 1);
    return tenths < 0.0 ? QStringLiteral("−") + magnitude : magnitude;
}

QString exactNumber(double value) {
    return displayForm(Fixed4::fromDouble(value));
}

}  // namespace

double deviationPercent(double estimate, double exact) {
    return (estimate - exact) / exact * 100.0;
}

double zScore(double estimate, double exact, double standardError) {
    return (estimate - exact) / standardError;
}

QString computingText() {
    return kHeading + QStringLiteral("υπολογίζεται…");
}

QString solverComparisonText(double S, const Reference& reference) {
    const double exact = reference.throughputs.at(0);
    return kHeading + exactNumber(exact) + QStringLiteral(" (απόκλιση ") +
           signedTenths(deviationPercent(S, exact)) + QStringLiteral(" %)");
}

QString simulatorComparisonText(const std::vector<double>& outputs,
                                const std::vector<std::optional<double>>& standardErrors,
                                const Reference& reference) {
    QStringList scores;
    for (std::size_t k = 0; k < outputs.size() && k < reference.throughputs.size(); ++k) {
        const std::optional<double> error =
            k < standardErrors.size() ? standardErrors[k] : std::nullopt;
        if (!error || !(*error > 0.0)) continue;
        const QString name =
            outputs.size() == 1 ? QStringLiteral("z") : QStringLiteral("z%1").arg(k + 1);
        scores << name + QStringLiteral(" = ") +
                      signedTenths(zScore(outputs[k], reference.throughputs[k], *error));
    }
    QString text = kHeading + exactNumber(reference.throughputs.at(0));
    if (!scores.isEmpty()) text += QStringLiteral(" (") + scores.join(QStringLiteral(", ")) + u')';
    return text;
}

QString unavailableText(const QString& reason) {
    return kHeading + QStringLiteral("δεν υπολογίζεται· ") + reason;
}

QString refusalReason(const ExactError& error) {
    switch (error.refusal()) {
        case Refusal::TooManyStates:
            return QStringLiteral("περισσότερες από %1 καταστάσεις.").arg(kMaxStates);
        case Refusal::CanStop:
            return QStringLiteral("με ρυθμό 0 το δίκτυο μπορεί να σταματήσει.");
        case Refusal::Other:
            break;
    }
    return QStringLiteral("η επίλυση της αλυσίδας απέτυχε.");
}

}  // namespace orven::exact
