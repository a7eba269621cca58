#pragma once

#include <QString>
#include <optional>

namespace orven {

inline constexpr int kMaxPopulation = 32767;

// True for a whole number from 1 to 32767.
bool isValidPopulation(double value);

// The population that a field's number stands for: itself when it is a whole number from 1 to
// 32767, otherwise 0 (set-up goes on with it; the check at "start" refuses it).
int populationFor(double value);

// The warning shown when a population field holds a value outside 1..32767, naming the field
// by its heading, for example "N2".
QString populationRangeMessage(const QString& fieldHeading);

// Title of every warning about bad input or a failed write.
QString errorTitle();

}  // namespace orven
