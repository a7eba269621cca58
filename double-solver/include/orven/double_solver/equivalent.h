#pragma once

#include "orven/aggregation/solver_state.h"

namespace orven::double_solver {

// The rates of the merged class 1 (station 1'), which holds the N1 jobs of station 1 and the N4
// jobs of station 4 together. With n jobs in the class, every split into k jobs on the station-1
// side and n - k on the station-4 side that the populations allow adds station 1's rate
// mu(1, k), weighted by 0.5 to the power of |(K1S1 - k) - (S4 - (n - k))|: how far the two sides
// are from standing equally far from their offsets. The weights are not normalised.
// Overwrites mu(1, n) for n = 1..Nmax (0 from N(1) on); mu(1, 0) keeps station 1's rate.
void equivalent(aggregation::SolverState& state, int N1, int N4, double K1S1, double S4);

}  // namespace orven::double_solver
