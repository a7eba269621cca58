#pragma once

#include <vector>

namespace orven::aggregation {

struct SolverState;

// Where the rate of one class barely moves TH(i) and S (its jobs practically never wait, or its
// x(i, 0) has drifted far beyond where they would), the method's correction closes the
// imbalance by that small share per iteration: the run creeps for thousands of iterations and
// either stops short of the balance or is cut off. The balancing step of balance_step.h stalls
// there too, because it solves for ln TH(i) - ln S, which that rate hardly moves. So a creeping
// run is carried by a step written another way: the balance TH(i) = S is the same as
// L(i) = others(i), the synchronizations that the partners of class i set off against those
// that the other classes set off, and ln L(i) moves with ln x(i, 0) by a slope between -N(i)
// and 1 however far the rate has drifted.

struct PartnerBalance {
    std::vector<double> step;  // for ln x(i, 0), class i at index i - 1
    double imbalance = 0;      // the length of the vector of ln L(i) - ln others(i)
};

// The step of every ln x(i, 0) that, to first order, brings every ln L(i) to ln others(i), solved
// as least squares, from the class subsystems of the iteration just measured.
PartnerBalance partnerBalance(const SolverState& state);

// Follows, on the state, whether the run creeps: its error has moved by less than a tenth in
// each of ten iterations in a row, while the rate of some class moves the imbalances
// ln TH(i) - ln S by less than a tenth (`weakestLever`: the length of its column of their
// Jacobian) or the error is still above ten times the precision (S drifting while the TH(i)
// follow it closely). A creeping run takes the partner-balance step until one fails to shrink
// the imbalance of that step; then the method's correction takes over again. Call it before
// the next step is chosen: it reads whether the last correction took a balancing step.
// `imbalance`, that of the partner balance now, is read only for a run that already creeps.
void followCreep(SolverState& state, double weakestLever, double imbalance);

}  // namespace orven::aggregation
