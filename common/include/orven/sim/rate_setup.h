#pragma once

#include <span>

#include "orven/sim/state_table.h"

namespace orven {
class Platform;
}

namespace orven::sim {

// The experiments in the order of their codes: three preset ones and random rates.
inline constexpr int kFirstExperiment = 0;
inline constexpr int kRandomExperiment = 3;

bool isPresetExperiment(int experiment);

// Fills the rows 1..mu.rows() of `mu` for a preset experiment: the preset rate of the source
// for every j <= N[i] - 1, then 0 at N[i] taken to the nearest whole number. N[i] may hold any
// value read from a field (N[0] is not read); entries outside the table are left alone.
void fillPresetRates(RateTable& mu, int experiment, std::span<const double> N);

// Draws the rates of "Tυχαίες": 1 with no job waiting; for 1 to N[i] - 1 waiting jobs a uniform
// value in [0.1, 1) for source 1 and in [0.4, 1) for every other source (draws below the bound
// are thrown away); 0 at the full queue.
void drawRandomRates(RateTable& mu, std::span<const double> N, Platform& platform);

// The rates of an experiment: preset ones filled, random ones drawn from the platform.
void fillRates(RateTable& mu, int experiment, std::span<const double> N, Platform& platform);

}  // namespace orven::sim
