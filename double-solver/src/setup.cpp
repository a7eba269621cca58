#include "orven/double_solver/setup.h"

#include <algorithm>
#include <vector>

#include "orven/input_rules.h"

namespace orven::double_solver {

StationPopulations stationPopulations(std::span<const double> fields) {
    StationPopulations stations;
    for (std::size_t s = 0; s < stations.N.size() && s < fields.size(); ++s) {
        stations.N[s] = populationFor(fields[s]);
    }
    return stations;
}

std::array<int, kClasses + 1> reducedPopulations(const StationPopulations& stations) {
    return {0, stations.station(4) + stations.station(1), stations.station(2), stations.station(5),
            stations.station(3)};
}

std::array<std::optional<int>, kClasses + 1> shownReducedPopulations(
    const StationPopulations& stations) {
    const auto N = reducedPopulations(stations);
    // A station out of range counts as 0 in its class's sum.
    const std::array<bool, kClasses + 1> inRange{
        false, stations.station(1) > 0 && stations.station(4) > 0, stations.station(2) > 0,
        stations.station(5) > 0, stations.station(3) > 0};
    std::array<std::optional<int>, kClasses + 1> shown;
    for (std::size_t i = 1; i < shown.size(); ++i) {
        if (inRange[i]) shown[i] = N[i];
    }
    return shown;
}

std::array<int, kClasses + 1> rateLengths(const StationPopulations& stations, bool drawn) {
    auto lengths = reducedPopulations(stations);
    if (drawn) lengths[1] = stations.station(1);
    return lengths;
}

void initiate(aggregation::SolverState& state, const StationPopulations& stations,
              const solver_kit::RateChoice& rates) {
    // A fresh state: nothing of an earlier run, not even a rate beyond a class's population,
    // reaches this one.
    state = aggregation::SolverState{};
    state.R = kClasses;
    state.omega = 1;
    state.iter = 0;
    const auto N = reducedPopulations(stations);
    state.N.assign(N.begin(), N.end());
    state.Na.assign(N.size(), 0);
    state.Nmax = *std::max_element(N.begin(), N.end());
    const auto lengths = rateLengths(stations, rates.isDrawn());
    state.mu = rates.workingRates(std::vector<int>(lengths.begin(), lengths.end()), state.Nmax);
    state.P.reset(kClasses + 1, state.Nmax + 1);
}

}  // namespace orven::double_solver
