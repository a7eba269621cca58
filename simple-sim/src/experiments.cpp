#include "orven/simple_sim/experiments.h"

#include <algorithm>
#include <cmath>

#include "orven/platform.h"
#include "orven/preset_rates.h"

namespace orven::simple_sim {

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

void fillPresetRates(RateTable& mu, int experiment, const std::array<double, kSources + 1>& N) {
    for (int i = 1; i <= kSources; ++i) {
        assert(isPresetExperiment(experiment));
        const double rate = orven::presetRate(experiment, i);
        for (int j = 0; j <= N[i] - 1 && j <= mu.nmax(); ++j) mu(i, j) = rate;
        clearFullQueue(mu, i, N[i]);
    }
}

void drawRandomRates(RateTable& mu, const std::array<double, kSources + 1>& N, Platform& platform) {
    for (int i = 1; i <= kSources; ++i) {
        const double floor = i == 1 ? kRandomFloorSource1 : kRandomFloorOthers;
        if (N[i] > 0 && !mu.empty()) mu(i, 0) = 1.0;
        for (int j = 1; j <= N[i] - 1 && j <= mu.nmax(); ++j) {
            double rate = 0.0;
            do {
                rate = static_cast<double>(platform.uniformRandom());
            } while (rate < floor);
            mu(i, j) = rate;
        }
        clearFullQueue(mu, i, N[i]);
    }
}

RateTable experimentRates(int experiment, const std::array<int, kSources>& populations) {
    std::array<double, kSources + 1> N{};
    for (int i = 1; i <= kSources; ++i) N[i] = populations[static_cast<std::size_t>(i - 1)];
    RateTable mu(std::max(0, *std::max_element(populations.begin(), populations.end())));
    fillPresetRates(mu, experiment, N);
    return mu;
}

}  // namespace orven::simple_sim
