#pragma once

#include <array>
#include <optional>
#include <span>

#include "orven/aggregation/solver_state.h"
#include "orven/solver_kit/rate_choice.h"

namespace orven::double_solver {

// The main window has five population fields N1..N5, one per station of the double network.
inline constexpr int kStations = 5;
// The reduced network: class 1 is stations 1 and 4 merged (station 1'), classes 2, 3 and 4 are
// stations 2, 5 and 3.
inline constexpr int kClasses = 4;

// The populations of the stations, N1..N5, as whole numbers: a field's number that is not a
// whole number from 1 to 32767 counts as 0 (set-up goes on; the check at "start" refuses it).
struct StationPopulations {
    std::array<int, kStations> N{};
    int station(int s) const { return N[static_cast<std::size_t>(s - 1)]; }  // s = 1..5
};
StationPopulations stationPopulations(std::span<const double> fields);

// N(0..4) of the reduced network: N(1) = N4 + N1, N(2) = N2, N(3) = N5, N(4) = N3.
std::array<int, kClasses + 1> reducedPopulations(const StationPopulations& stations);

// N(1..4) as the window shows them: none for a class one of whose stations holds a population
// out of range, since its sum would pass for a population the user never gave.
std::array<std::optional<int>, kClasses + 1> shownReducedPopulations(
    const StationPopulations& stations);

// How many rates class i draws or takes from a preset below its full queue: drawn rates of
// class 1 are station 1's alone, for N1 jobs; every other table runs to the reduced N(i).
std::array<int, kClasses + 1> rateLengths(const StationPopulations& stations, bool drawn);

// `initiate`: the reduced network of four classes from the station populations, the iteration
// state reset, every table created afresh and mu built from the chosen rates (class 1 with
// station 1's rates, before the equivalent station folds them). Never fails, whatever the
// numbers are.
void initiate(aggregation::SolverState& state, const StationPopulations& stations,
              const solver_kit::RateChoice& rates);

}  // namespace orven::double_solver
