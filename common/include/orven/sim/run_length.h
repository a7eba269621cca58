#pragma once

#include <QString>

namespace orven::sim {

// The run length when a simulator starts.
inline constexpr float kDefaultRuntime = 100000.0f;
// The longest run length accepted. Far beyond what a run can finish in a day (1E+12 takes some
// 60 hours), and well inside what the four-decimal fixed-point sums can hold (about 9.2E+14).
inline constexpr double kMaxRuntime = 1.0e14;

// How an answer to the run-length prompt (or a --runtime value) reads.
struct RunLengthAnswer {
    enum class Kind { NotANumber, OutOfRange, Accepted } kind;
    float value = 0.0f;
};

// Reads the answer in the user's locale (or with a period as decimal point): an empty text or
// one that is not a number is NotANumber; a number not above 0, above kMaxRuntime, or too
// small to stay above 0 in single precision, is OutOfRange.
RunLengthAnswer readRunLength(const QString& answer);

// "Δώσε χρόνο εκτέλεσης πειράματος"
QString runLengthPromptText();
// The refusal of a run length out of range, naming the limit.
QString runLengthRangeMessage();

}  // namespace orven::sim
