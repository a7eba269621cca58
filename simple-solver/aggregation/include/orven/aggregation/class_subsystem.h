#pragma once

namespace orven {
class Platform;
}

namespace orven::aggregation {

struct SolverState;

// Na(i): the smallest population among the classes other than i (100000 with one class).
void findNa(SolverState& state, int i);

// Fresh random partner rates x(i, 0..Na(i)-1) for the first iteration, reseeding from the
// clock before every draw; x(i, Na(i)) = 0. A draw of exactly 0 for x(i, 0) is drawn again,
// because the class subsystem divides by it.
void randomfirst(SolverState& state, int i, Platform& platform);

// One step of the method for class i: new partner rates (random in iteration 1, otherwise
// re-estimated from the other classes' latest probabilities), then the class-i subsystem
// solved exactly.
void aggregate(SolverState& state, int i, Platform& platform);

// The pieces of `aggregate`, callable on their own.
// x(i, 0) pulled towards the mean output and the synchronization output of the previous
// iteration, damped by omega.
void correctFirstPartnerRate(SolverState& state, int i);
// x(i, n), n = 1..Na(i)-1: the rate at which the smallest queue among the other classes rises
// from n, given that it is n, the other classes taken as independent; x(i, Na(i)) = 0.
void estimatePartnerRates(SolverState& state, int i);
// The birth-death chain of class i for the partner rates it holds: P0(i), P(i, ·), Q(i, ·) and
// their scaled forms.
void solveClass(SolverState& state, int i);

}  // namespace orven::aggregation
