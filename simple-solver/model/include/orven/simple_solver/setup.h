#pragma once

#include <span>

#include "orven/aggregation/solver_state.h"
#include "orven/solver_kit/rate_choice.h"

namespace orven::simple_solver {

// The main window has five population fields N1..N5.
inline constexpr int kPopulationFields = 5;

// The classes that a value of R stands for: its whole part, from 0 to the number of population
// fields; 0 for a negative value.
int classesFor(double R);

// `initiate`: R and N(1..R) from the inputs, the iteration state reset, every table re-created
// at 0 and mu built afresh from the chosen rates (mu(i, N(i)) = 0). Never fails, whatever the
// numbers are. Returns how many population fields are in use (shown from now on).
int initiate(aggregation::SolverState& state, double R, std::span<const double> populations,
             const solver_kit::RateChoice& rates);

}  // namespace orven::simple_solver
