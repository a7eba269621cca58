#pragma once

#include <QString>
#include <array>
#include <optional>

#include "orven/simple_sim/source_table.h"

namespace orven {
class Platform;
}

namespace orven::simple_sim {

// What every Start builds anew from the population boxes and the chosen experiment.
struct RunSetup {
    std::array<double, kSources + 1> N{};  // N(1..3) as read; N[0] unused
    int Nmax = 0;
    RateTable mu;
};

// The headings of the population boxes, which also name them in messages: "Ν1".."Ν3".
QString populationHeading(int source);

// The refusal message for the first population box that does not hold a whole number from 1
// to 32767, or nothing when all three are in range.
std::optional<QString> populationProblem(const std::array<QString, kSources>& populationTexts);

// `initiate`: reads the populations leniently, sets `Nmax` (the largest population taken to
// the nearest whole number, ties to even, never above 32767) and fills the rate table of the
// experiment; random rates come from the platform's generator.
RunSetup initiate(const std::array<QString, kSources>& populationTexts, int experiment,
                  Platform& platform);

}  // namespace orven::simple_sim
