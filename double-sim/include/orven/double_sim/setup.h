#pragma once

#include <QString>
#include <array>
#include <optional>

#include "orven/sim/rate_setup.h"
#include "orven/sim/state_table.h"

namespace orven {
class Platform;
}

namespace orven::double_sim {

// Four sources feed six queues: source k feeds queue k, and source 3 feeds queues 3 and 6 at
// once. Station 1 joins queues 1, 2 and 3 into queue 5; station 2 joins queues 4, 5 and 6.
inline constexpr int kSources = 4;
inline constexpr int kQueues = 6;
// The four population fields Text1..Text4.
inline constexpr int kFields = 4;

using sim::RateTable;
using sim::TimeTable;
using PopulationTexts = std::array<QString, kFields>;

// What every Start builds anew from the population fields and the chosen experiment.
struct RunSetup {
    // The limits of queues 1..6 as read: N(1..4) from Text1..Text4, and queues 5 and 6 read
    // Text1 and Text3 again (N(5) only sizes the tables). N[0] unused.
    std::array<double, kQueues + 1> N{};
    int Nmax = 0;
    RateTable mu;                            // rows 1..4, one per source
    int experiment = sim::kFirstExperiment;  // the experiment whose rates `mu` holds
};

// The headings of the population fields 1..4, which also name them in messages: "Ν1", "Ν2",
// "Ν3" and "Ν5", since the diagram calls the loop of source 4 the fifth.
QString populationHeading(int field);

// The refusal message for the first population field that does not hold a whole number from 1
// to 32767, or nothing when all four are in range.
std::optional<QString> populationProblem(const PopulationTexts& texts);

// `initiate`: reads the populations leniently, sets `Nmax` and fills the rate table of the
// experiment; random rates come from the platform's generator.
RunSetup initiate(const PopulationTexts& texts, int experiment, Platform& platform);

}  // namespace orven::double_sim
