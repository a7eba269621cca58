#include "orven/aggregation/class_subsystem.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "log_sum.h"
#include "orven/aggregation/solver_state.h"
#include "orven/platform.h"

namespace orven::aggregation {

namespace {

constexpr int kNoPartnerLimit = 100000;
// The correction changes x(i, 0) by at most this factor (or its inverse) per iteration: well
// above the largest first step of a run with a few jobs per class (about 3200 with five).
const double kLogLargestStep = std::log(1e4);

// ln G_j(a) for a = 0..N(j)+1, where G_j(a) = P(j, a) + ... + P(j, N(j)), summed from the top.
std::vector<double> logTailSums(const SolverState& state, int j) {
    const int top = state.N[j];
    std::vector<double> tail(static_cast<std::size_t>(top) + 2, kMinusInfinity);
    for (int a = top; a >= 0; --a) {
        tail[static_cast<std::size_t>(a)] =
            logAdd(state.logP(j, a), tail[static_cast<std::size_t>(a) + 1]);
    }
    return tail;
}

}  // namespace

void findNa(SolverState& state, int i) {
    state.Na[i] = kNoPartnerLimit;
    for (int j = 1; j <= state.R; ++j) {
        if (state.N[j] < state.Na[i] && j != i) state.Na[i] = state.N[j];
    }
}

void randomfirst(SolverState& state, int i, Platform& platform) {
    platform.reseedRandom();
    const int top = state.Na[i];
    for (int m = 0; m < top; ++m) {
        platform.reseedRandom();
        double draw = platform.uniformRandom();
        // The class subsystem divides by x(i, 0).
        while (m == 0 && draw == 0) {
            platform.reseedRandom();
            draw = platform.uniformRandom();
        }
        state.x(i, m) = draw;
    }
    state.x(i, top) = 0;
}

void correctFirstPartnerRate(SolverState& state, int i) {
    if (state.takeBalanceStep) {
        state.x(i, 0) *= std::exp(state.balanceStep[i]);
        return;
    }
    const int k = state.iter - 1;
    const double omega = state.omega;
    // x(i, 0) (THbar / TH(i)) (1 - 1/omega + THbar / (S omega)), taken as logarithms: after a
    // random start S can be far below the smallest double while THbar is not.
    const double towardsMean = state.logTHbar[k] - state.logTH(i, k);
    const double meanOverOutput = state.logTHbar[k] - state.logS[k];
    const double towardsOutput =
        omega == 1 ? meanOverOutput
                   : logAdd(std::log1p(-1 / omega), meanOverOutput - std::log(omega));
    // After a tiny first output the factor would be astronomically large (1E+101 with a
    // thousand jobs per class), and the damping could never undo such a step.
    const double step = std::clamp(towardsMean + towardsOutput, -kLogLargestStep, kLogLargestStep);
    state.x(i, 0) *= std::exp(step);
}

void estimatePartnerRates(SolverState& state, int i) {
    const int R = state.R;
    std::vector<std::vector<double>> tails(static_cast<std::size_t>(R) + 1);
    for (int j = 1; j <= R; ++j) {
        if (j != i) tails[static_cast<std::size_t>(j)] = logTailSums(state, j);
    }
    auto logG = [&](int j, int a) {
        return tails[static_cast<std::size_t>(j)][static_cast<std::size_t>(a)];
    };

    // The difference of the two products A - B, both close to 1 for small n, is summed
    // instead as the probability that class j is the first, in ascending order, to hold
    // exactly n while the classes before it hold more than n and those after it at least n.
    for (int n = 1; n < state.Na[i]; ++n) {
        double numerator = kMinusInfinity;
        double minimumIsN = kMinusInfinity;
        for (int j = 1; j <= R; ++j) {
            if (j == i) continue;
            double rising = state.logP(j, n) + logOf(state.mu(j, n));
            double first = state.logP(j, n);
            for (int k = 1; k <= R; ++k) {
                if (k == i || k == j) continue;
                rising += logG(k, n + 1);
                first += k < j ? logG(k, n + 1) : logG(k, n);
            }
            numerator = logAdd(numerator, rising);
            minimumIsN = logAdd(minimumIsN, first);
        }
        // Where the other classes can never hold n jobs each (a rate of 0 below), no partner
        // set forms beyond n.
        state.x(i, n) = minimumIsN == kMinusInfinity ? 0.0 : std::exp(numerator - minimumIsN);
    }
}

void solveClass(SolverState& state, int i) {
    const int own = state.N[i];
    const int partner = state.Na[i];
    const double logMu0 = logOf(state.mu(i, 0));
    const double logX0 = logOf(state.x(i, 0));

    // Terms of the chain relative to the balanced state, as logarithms: products of rates
    // divided by powers of x(i, 0) or mu(i, 0) overflow or underflow long before the
    // probabilities they stand for do.
    std::vector<double> ownTerm(static_cast<std::size_t>(own) + 1, 0.0);
    double product = 0;
    double ownSum = kMinusInfinity;
    double waiting = kMinusInfinity;  // the sum of n times the own-side terms
    for (int n = 1; n <= own; ++n) {
        product += logOf(state.mu(i, n - 1));
        ownTerm[static_cast<std::size_t>(n)] = product - n * logX0;
        ownSum = logAdd(ownSum, ownTerm[static_cast<std::size_t>(n)]);
        waiting = logAdd(waiting, ownTerm[static_cast<std::size_t>(n)] + std::log(n));
    }
    std::vector<double> partnerTerm(static_cast<std::size_t>(partner) + 1, 0.0);
    product = 0;
    double partnerSum = kMinusInfinity;
    for (int m = 1; m <= partner; ++m) {
        product += logOf(state.x(i, m - 1));
        partnerTerm[static_cast<std::size_t>(m)] = product - m * logMu0;
        partnerSum = logAdd(partnerSum, partnerTerm[static_cast<std::size_t>(m)]);
    }
    const double logG = logAdd(0.0, logAdd(ownSum, partnerSum));

    state.P0[i] = std::exp(-logG);
    for (int n = 1; n <= own; ++n) {
        state.logP(i, n) = ownTerm[static_cast<std::size_t>(n)] - logG;
        state.P(i, n) = std::exp(state.logP(i, n));
    }
    state.logPartnerSide[i] = logAdd(0.0, partnerSum);
    state.logP(i, 0) = state.logPartnerSide[i] - logG;
    state.P(i, 0) = std::exp(state.logP(i, 0));
    for (int m = 1; m <= partner; ++m) {
        state.Q(i, m) = std::exp(partnerTerm[static_cast<std::size_t>(m)] - logG);
    }
    state.logQ0[i] = logAdd(0.0, ownSum) - logG;
    state.Q(i, 0) = std::exp(state.logQ0[i]);
    state.logPwait[i] = ownSum - logG;
    state.logQwait[i] = partnerSum - logG;
    state.Pwait[i] = std::exp(state.logPwait[i]);
    state.Qwait[i] = std::exp(state.logQwait[i]);
    state.logMeanWaiting[i] = waiting - logG;
}

void aggregate(SolverState& state, int i, Platform& platform) {
    if (state.iter == 1) {
        randomfirst(state, i, platform);
    } else {
        correctFirstPartnerRate(state, i);
        estimatePartnerRates(state, i);
    }
    state.x(i, state.Na[i]) = 0;
    solveClass(state, i);
}

}  // namespace orven::aggregation
