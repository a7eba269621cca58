#pragma once

#include <QString>
#include <optional>
#include <span>

namespace orven::sim {

// The refusal message for the first population field (texts[k], headed headings[k]) that does
// not hold a whole number from 1 to 32767, or nothing when all are in range.
std::optional<QString> populationProblem(std::span<const QString> texts,
                                         std::span<const QString> headings);

// `Nmax`: the largest of the populations N[1..], taken to the nearest whole number (ties to
// even) when it is strictly greater than the largest so far; never above 32767, so that a stray
// huge field cannot size the tables. N[0] is not read.
int largestPopulation(std::span<const double> N);

}  // namespace orven::sim
