#pragma once

#include <QString>
#include <optional>

namespace orven::simple_sim {

// How an answer to the run-length prompt reads.
struct RunLengthAnswer {
    enum class Kind { NotANumber, OutOfRange, Accepted } kind;
    float value = 0.0f;
};

// Reads the answer in the user's locale (or with a period as decimal point): an empty text or
// one that is not a number is NotANumber; a number that is not positive, or does not fit a
// single-precision value above 0, is OutOfRange.
RunLengthAnswer readRunLength(const QString& answer);

QString runLengthPromptText();
QString runLengthRangeMessage();

}  // namespace orven::simple_sim
