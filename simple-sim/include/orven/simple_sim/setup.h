#pragma once

#include <QString>
#include <array>
#include <optional>

#include "orven/sim/rate_setup.h"
#include "orven/sim/state_table.h"

namespace orven {
class Platform;
}

namespace orven::simple_sim {

// The three sources (and their queues) of the simple network, numbered 1..3.
inline constexpr int kSources = 3;

using sim::RateTable;
using sim::TimeTable;

// What every Start builds anew from the population fields and the chosen experiment.
struct RunSetup {
    std::array<double, kSources + 1> N{};  // N(1..3) as read; N[0] unused
    int Nmax = 0;
    RateTable mu;
    int experiment = sim::kFirstExperiment;  // the experiment whose rates `mu` holds
};

// The headings of the population fields, which also name them in messages: "Ν1".."Ν3".
QString populationHeading(int source);

// The refusal message for the first population field that does not hold a whole number from 1
// to 32767, or nothing when all three are in range.
std::optional<QString> populationProblem(const std::array<QString, kSources>& populationTexts);

// `initiate`: reads the populations leniently, sets `Nmax` and fills the rate table of the
// experiment; random rates come from the platform's generator.
RunSetup initiate(const std::array<QString, kSources>& populationTexts, int experiment,
                  Platform& platform);

}  // namespace orven::simple_sim
