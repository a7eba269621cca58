#pragma once

#include <array>

#include "orven/simple_sim/source_table.h"

namespace orven {
class Platform;
}

namespace orven::simple_sim {

// The experiments in the order of the option buttons: three preset ones and random rates.
inline constexpr int kFirstExperiment = 0;
inline constexpr int kRandomExperiment = 3;

bool isPresetExperiment(int experiment);

// Fills `mu` for a preset experiment: the preset rate for every j <= N(i) - 1, then 0 at
// N(i) taken to the nearest whole number. `populations` is indexed 1..3 (index 0 unused) and
// may hold any value read from a box; entries outside the table are left alone.
void fillPresetRates(RateTable& mu, int experiment, const std::array<double, kSources + 1>& N);

// Draws the rates of "Tυχαίες": 1 with no job waiting; for 1 to N(i) - 1 waiting jobs a
// uniform value in [0.1, 1) for source 1 and in [0.4, 1) for sources 2 and 3 (draws below the
// bound are thrown away); 0 at the full queue.
void drawRandomRates(RateTable& mu, const std::array<double, kSources + 1>& N, Platform& platform);

// The rate table `mu`(i, n) of a preset experiment (0, 1 or 2) for whole populations:
// populations[i - 1] is N(i); the table has columns 0..max N(i) and rows i = 1..3.
// The reference solutions of the network use it to solve the simulator's own experiments.
RateTable experimentRates(int experiment, const std::array<int, kSources>& populations);

}  // namespace orven::simple_sim
