#pragma once

namespace orven::aggregation {

struct SolverState;

// The method's correction of x(i, 0) pulls each TH(i) towards the mean and the mean towards S
// by about their relative gaps. That fails in two kinds of model, which large populations and
// unequal rates reach:
//   - S reacts to x(i, 0) far more strongly than TH(i) does (a class subsystem whose queue
//     flips from one end to the other within a small change of x(i, 0)): steps of the size of
//     the gap overshoot again and again;
//   - a class whose jobs practically never wait sets off no synchronization of its own that
//     the output can see, and pulling it towards the mean only drags S away from the classes
//     that can correct it.
// There the correction takes the balancing step instead: the step of every ln x(i, 0) that, to
// first order, brings every ln TH(i) to ln S, solved as least squares so that a class whose
// rate moves nothing gets no step. The step also foresees how far S still is from the balance,
// which the convergence test asks about, so that "converged" means that S no longer depends
// on a rate the iteration has not settled. A run whose error creeps, hardly moving for some
// iterations, takes a step written for that case instead (see src/creep_step.h).

// Finds the balancing step from the class subsystems of the iteration just measured (the
// state's logarithmic outputs, its two parts of every TH and err(iter)), and whether the next
// correction takes it: only where the method's correction fails as above (or has stopped
// short of the balance) and where the step removes most of the imbalance to first order, or
// where the method creeps.
void findBalanceStep(SolverState& state);

// Whether the class subsystem as solved determines x(i, 0), and with it the output rates of
// class i: the synchronizations its partners set off, (1 - P(i, 0)) x(i, 0), are a part of
// TH(i) that the convergence test can see. Where they are not (the class's jobs practically
// never wait), any x(i, 0) above some value gives the same results to the precision.
bool partnerRateDetermined(const SolverState& state, int i);

}  // namespace orven::aggregation
