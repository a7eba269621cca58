#include "creep_step.h"

#include <cmath>

#include "least_squares.h"
#include "log_sum.h"
#include "orven/aggregation/iteration.h"
#include "orven/aggregation/solver_state.h"

namespace orven::aggregation {

namespace {

// An error that moves by less than this share in an iteration is slow; a rate whose lever on
// the imbalances is below it is weak.
constexpr double kSlowShare = 0.1;
// So many slow iterations in a row tell a creep from the slow turn of an oscillation that the
// damping settles.
constexpr int kCreepingIterations = 10;
// An error this many times the precision is far from it.
constexpr double kFarFromPrecision = 10;

}  // namespace

PartnerBalance partnerBalance(const SolverState& state) {
    const int R = state.R;
    const auto n = static_cast<std::size_t>(R);
    // With u(j) the synchronizations class j sets off, ln u(j) moves with ln x(j, 0) by
    // Q(j, 0) + mean waiting, and ln L(i) with ln x(i, 0) by
    // Q(i, 0) - (mean waiting) P(i, 0) / (1 - P(i, 0)): a partner-side state gains weight by 1,
    // own-side state n loses n.
    std::vector<double> setOffSlope(n), partnerSlope(n);
    for (int i = 1; i <= R; ++i) {
        const auto at = static_cast<std::size_t>(i - 1);
        const double Q0 = std::exp(state.logQ0[i]);
        setOffSlope[at] = Q0 + std::exp(state.logMeanWaiting[i]);
        // Where class i never waits, its waiting jobs are one job when they appear.
        const double waitingWhenWaiting =
            std::isfinite(state.logPwait[i]) ? std::exp(state.logMeanWaiting[i] - state.logPwait[i])
                                             : 1.0;
        partnerSlope[at] = Q0 - waitingWhenWaiting * std::exp(state.logP(i, 0));
    }

    SmallMatrix J(n, std::vector<double>(n, 0.0));
    std::vector<double> G(n, 0.0);
    PartnerBalance balance;
    for (int i = 1; i <= R; ++i) {
        const auto at = static_cast<std::size_t>(i - 1);
        double logOthers = kMinusInfinity;
        for (int j = 1; j <= R; ++j) {
            if (j != i) logOthers = logAdd(logOthers, state.logSetOffByClass[j]);
        }
        const double gap = state.logSetOffByPartners[i] - logOthers;
        // A side that is exactly 0 (a rate of 0) has no logarithm to balance: the class gets
        // no row.
        if (!std::isfinite(gap)) continue;
        G[at] = gap;
        balance.imbalance = std::hypot(balance.imbalance, gap);
        for (int j = 1; j <= R; ++j) {
            const auto to = static_cast<std::size_t>(j - 1);
            J[at][to] = j == i ? partnerSlope[at]
                               : -std::exp(state.logSetOffByClass[j] - logOthers) * setOffSlope[to];
            if (!std::isfinite(J[at][to])) J[at][to] = 0;
        }
    }
    balance.step = leastSquares(J, G);
    for (double& d : balance.step) {
        if (!std::isfinite(d)) d = 0;
    }
    return balance;
}

void followCreep(SolverState& state, double weakestLever, double imbalance) {
    const int k = state.iter;
    const double lastImbalance = state.creepImbalance;
    state.creepImbalance = imbalance;
    if (state.creeping) {
        // A step that left the imbalance as large was taken beyond where its first-order picture
        // holds.
        if (state.takeBalanceStep && !(imbalance < lastImbalance)) {
            state.creeping = false;
            state.creepingIterations = 0;
        }
        return;
    }
    const double change = k > 1 ? state.err[k] / state.err[k - 1] - 1 : 1;
    // Close to the precision, a run whose rates all move the imbalances soundly ends within a
    // few more of the method's own corrections.
    const bool slow = std::fabs(change) < kSlowShare &&
                      (weakestLever < kSlowShare || state.err[k] > kFarFromPrecision * kPrecision);
    state.creepingIterations = slow ? state.creepingIterations + 1 : 0;
    state.creeping = state.creepingIterations >= kCreepingIterations;
}

}  // namespace orven::aggregation
