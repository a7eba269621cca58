#include "orven/aggregation/balance_step.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "creep_step.h"
#include "least_squares.h"
#include "log_sum.h"
#include "orven/aggregation/iteration.h"
#include "orven/aggregation/solver_state.h"

namespace orven::aggregation {

namespace {

// No step changes x(i, 0) by more than this factor (or its inverse).
const double kLogLargestStep = std::log(4.0);
// S reacting more than this many times as strongly as x(i, 0) makes the method overshoot. With
// fewer than ten jobs in every class it cannot happen (the ratio is at most N(i) + 1).
constexpr double kSharpReaction = 10;
// The step is taken only where, to first order, it leaves at most half the imbalance.
constexpr double kReliableShare = 0.5;

}  // namespace

bool partnerRateDetermined(const SolverState& state, int i) {
    const double byClass = state.logQwait[i] + logOf(state.mu(i, 0));
    const double byPartners = state.logPwait[i] + logOf(state.x(i, 0));
    return byPartners >= std::log(kPrecision) + logAdd(byClass, byPartners);
}

void findBalanceStep(SolverState& state) {
    const int R = state.R;
    const int k = state.iter;
    const double logS = state.logS[k];
    const auto n = static_cast<std::size_t>(R);

    // With u(i) the synchronizations class i sets off and L(i) those its partners set off
    // (TH(i) = u(i) + L(i), S = sum of u), and a(i), b(i) how u(i) and L(i) move with
    // ln x(i, 0), the imbalance F(i) = ln TH(i) - ln S moves with ln x(j, 0) as
    // J(i, j) = [i = j] (a(i) + b(i)) / TH(i) - a(j) / S.
    // In the class subsystem, ln x(i, 0) raises the weight of every partner-side state by 1 and
    // lowers that of own-side state n by n, so that a(i) = u(i) (Q(i, 0) + mean waiting) and
    // b(i) = L(i) Q(i, 0) - x(i, 0) (mean waiting) P(i, 0).
    std::vector<double> F(n), own(n), outputReaction(n);
    bool needed = false;
    for (int i = 1; i <= R; ++i) {
        const auto at = static_cast<std::size_t>(i - 1);
        const double logU = state.logSetOffByClass[i];
        const double logL = state.logSetOffByPartners[i];
        const double logTH = state.logTH(i, k);
        double logOthers = kMinusInfinity;
        for (int j = 1; j <= R; ++j) {
            if (j != i) logOthers = logAdd(logOthers, state.logSetOffByClass[j]);
        }
        // Close to the balance, TH(i) / S = 1 + (L(i) - others) / S keeps its digits.
        F[at] = std::fabs(logTH - logS) > 0.5
                    ? logTH - logS
                    : std::log1p(std::exp(logL - logS) - std::exp(logOthers - logS));
        const double logA = logU + logAdd(state.logQ0[i], state.logMeanWaiting[i]);
        const double bOverTH =
            std::exp(logL + state.logQ0[i] - logTH) -
            std::exp(logOf(state.x(i, 0)) + state.logMeanWaiting[i] + state.logP(i, 0) - logTH);
        own[at] = std::exp(logA - logTH) + bOverTH;
        outputReaction[at] = std::exp(logA - logS);
        // Both sides of the balance of class i below what the output shows: it holds whatever
        // x(i, 0) is, and the method's pull towards the mean moves the rate for nothing.
        const double visible = std::log(kPrecision) + logS;
        const bool idle = logL < visible && logOthers < visible;
        needed = needed || outputReaction[at] > kSharpReaction || idle;
    }

    SmallMatrix J(n, std::vector<double>(n));
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) J[i][j] = (i == j ? own[i] : 0.0) - outputReaction[j];
    }
    double weakestLever = kInfinity;  // how strongly the rate that moves F least moves it
    for (std::size_t j = 0; j < n; ++j) {
        double lever = 0;
        for (std::size_t i = 0; i < n; ++i) lever = std::hypot(lever, J[i][j]);
        weakestLever = std::min(weakestLever, lever);
    }
    // The partner balance costs more than the rest of this step: worked out only for a run
    // that creeps.
    std::optional<PartnerBalance> partners;
    if (state.creeping) partners = partnerBalance(state);
    followCreep(state, weakestLever, partners ? partners->imbalance : 0.0);
    std::vector<double> step = leastSquares(J, F);

    double before = 0;
    double after = 0;
    double change = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (!std::isfinite(step[i])) step[i] = 0;
        double left = F[i];
        for (std::size_t j = 0; j < n; ++j) left += J[i][j] * step[j];
        before += F[i] * F[i];
        after += left * left;
        change += outputReaction[i] * step[i];
    }
    // A change that cannot be foreseen never lets the run count as converged.
    state.foreseenChange = std::isnan(change) ? kInfinity : change;
    // The method's own test passed while S still depends on a rate it has not settled.
    needed = needed || (state.err[k] < kPrecision && std::fabs(state.foreseenChange) >= kPrecision);
    state.takeBalanceStep = needed && after <= kReliableShare * kReliableShare * before;
    if (state.creeping) {
        if (!partners) partners = partnerBalance(state);
        state.creepImbalance = partners->imbalance;
        if (!state.takeBalanceStep) {
            step = std::move(partners->step);
            state.takeBalanceStep = true;
        }
    }
    for (int i = 1; i <= R; ++i) {
        state.balanceStep[i] =
            std::clamp(step[static_cast<std::size_t>(i - 1)], -kLogLargestStep, kLogLargestStep);
    }
}

}  // namespace orven::aggregation
