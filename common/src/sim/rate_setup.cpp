#include "orven/sim/rate_setup.h"

#include <cassert>
#include <cmath>

#include "orven/platform.h"
#include "orven/preset_rates.h"

namespace orven::sim {

namespace {

// Lower bounds of the random rates with waiting jobs: source 1 may be much slower.
constexpr double kRandomFloorSource1 = 0.1;
constexpr double kRandomFloorOthers = 0.4;

bool inTable(const RateTable& mu, double length) {
    return length >= 0.0 && length <= static_cast<double>(mu.nmax());
}

// N(i) taken to the nearest whole number, where the full queue's rate of 0 goes.
void clearFullQueue(RateTable& mu, int source, double population) {
    const double full = std::nearbyint(population);
    if (inTable(mu, full)) mu(source, static_cast<int>(full)) = 0.0;
}

}  // namespace

bool isPresetExperiment(int experiment) {
    return experiment >= 0 && experiment <= 2;
}

void fillPresetRates(RateTable& mu, int experiment, std::span<const double> N) {
    assert(isPresetExperiment(experiment));
    assert(N.size() > static_cast<std::size_t>(mu.rows()));
    for (int i = 1; i <= mu.rows(); ++i) {
        const double population = N[static_cast<std::size_t>(i)];
        const double rate = orven::presetRate(experiment, i);
        for (int j = 0; j <= population - 1 && j <= mu.nmax(); ++j) mu(i, j) = rate;
        clearFullQueue(mu, i, population);
    }
}

void drawRandomRates(RateTable& mu, std::span<const double> N, Platform& platform) {
    assert(N.size() > static_cast<std::size_t>(mu.rows()));
    for (int i = 1; i <= mu.rows(); ++i) {
        const double population = N[static_cast<std::size_t>(i)];
        const double floor = i == 1 ? kRandomFloorSource1 : kRandomFloorOthers;
        if (population > 0 && !mu.empty()) mu(i, 0) = 1.0;
        for (int j = 1; j <= population - 1 && j <= mu.nmax(); ++j) {
            double rate = 0.0;
            do {
                rate = static_cast<double>(platform.uniformRandom());
            } while (rate < floor);
            mu(i, j) = rate;
        }
        clearFullQueue(mu, i, population);
    }
}

void fillRates(RateTable& mu, int experiment, std::span<const double> N, Platform& platform) {
    if (isPresetExperiment(experiment)) {
        fillPresetRates(mu, experiment, N);
    } else if (experiment == kRandomExperiment) {
        drawRandomRates(mu, N, platform);
    }
}

}  // namespace orven::sim
