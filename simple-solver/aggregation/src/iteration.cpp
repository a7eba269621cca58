#include "orven/aggregation/iteration.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "log_sum.h"
#include "orven/aggregation/balance_step.h"
#include "orven/aggregation/class_subsystem.h"
#include "orven/aggregation/solver_state.h"
#include "orven/input_rules.h"
#include "orven/number_text.h"
#include "orven/platform.h"

namespace orven::aggregation {

namespace {

// The relative gap |a - b| / b of two outputs given as logarithms; 1 when a is 0.
double relativeGap(double logA, double logB) {
    return std::fabs(std::expm1(logA - logB));
}

bool isNumber(double logValue) {
    return !std::isnan(logValue) && logValue < kInfinity;
}

// Steps 3 to 7 of an iteration: TH, S, THbar and err from the class subsystems just solved,
// summed as logarithms. Returns false when one of them is not a finite number.
bool measure(SolverState& state) {
    const int R = state.R;
    const int k = state.iter;
    double logS = kMinusInfinity;
    double logSumTH = kMinusInfinity;
    bool finite = true;
    for (int i = 1; i <= R; ++i) {
        state.logSetOffByClass[i] = state.logQwait[i] + logOf(state.mu(i, 0));
        state.logSetOffByPartners[i] = state.logPwait[i] + logOf(state.x(i, 0));
        state.logTH(i, k) = logAdd(state.logSetOffByClass[i], state.logSetOffByPartners[i]);
        state.TH(i, k) = std::exp(state.logTH(i, k));
        logS = logAdd(logS, state.logSetOffByClass[i]);
        logSumTH = logAdd(logSumTH, state.logTH(i, k));
        finite = finite && isNumber(state.logTH(i, k));
    }
    state.logS[k] = logS;
    state.S[k] = std::exp(logS);
    state.logTHbar[k] = logSumTH - std::log(R);
    state.THbar[k] = std::exp(state.logTHbar[k]);
    // An output of exactly 0 leaves the error undefined.
    finite = finite && std::isfinite(logS) && std::isfinite(state.logTHbar[k]);

    double e = 0;
    for (int i = 1; i <= R; ++i) {
        const double e1 = relativeGap(state.logS[k - 1], logS);
        const double e2 = relativeGap(state.logTH(i, k), logS);
        finite = finite && !std::isnan(e1) && !std::isnan(e2);
        e = std::max({e, e1, e2});
    }
    // An output far below the others' gives an error beyond a double: it is then simply the
    // largest error there is.
    state.err[k] = std::min(e, std::numeric_limits<double>::max());
    state.err[0] = 1;
    return finite;
}

// Whether S lies in (0, largest possible output] to the precision: the method is an
// approximation, and where one class is the bottleneck its balance can lie a little above the
// bound (by 2E-08 with 200 jobs per class and the rates 1, 1/1.1, 1/1.2).
bool possibleOutput(const SolverState& state, double S) {
    return S > 0 && S <= largestPossibleOutput(state) * (1 + kPrecision);
}

// Whether an iteration that ended with this S and error has a result to stand by.
bool acceptable(const SolverState& state, const IterationOutcome& outcome) {
    if (!possibleOutput(state, outcome.S)) return false;
    return !outcome.stoppedShort || (outcome.error <= kLargestAcceptedError &&
                                     std::fabs(state.foreseenChange) <= kLargestAcceptedError);
}

}  // namespace

void prepareIteration(SolverState& state) {
    const int R = state.R;
    for (int i = 1; i <= R; ++i) findNa(state, i);
    int NaMax = 0;
    for (int i = 1; i <= R; ++i) NaMax = std::max(NaMax, state.Na[i]);
    state.x.reset(R + 1, NaMax + 1);
    state.Q.reset(R + 1, NaMax + 1);
    state.P.resize(R + 1, state.Nmax + 1);
    state.logP.reset(R + 1, state.Nmax + 1);
    const auto classes = static_cast<std::size_t>(R) + 1;
    state.P0.assign(classes, 0.0);
    state.Pwait.assign(classes, 0.0);
    state.Qwait.assign(classes, 0.0);
    for (auto* logs : {&state.logPwait, &state.logQwait, &state.logQ0, &state.logMeanWaiting,
                       &state.logSetOffByClass, &state.logSetOffByPartners}) {
        logs->assign(classes, kMinusInfinity);
    }
    state.balanceStep.assign(classes, 0.0);
    state.takeBalanceStep = false;
    state.foreseenChange = 0;
    state.creepingIterations = 0;
    state.creeping = false;
    state.creepImbalance = 0;
    state.logPartnerSide.assign(classes, 0.0);
}

IterationOutcome iterate(SolverState& state, Platform& platform, const IterationLimits& limits) {
    prepareIteration(state);
    while (true) {
        ++state.iter;
        const int k = state.iter;
        state.extendIterations(k);
        state.S[0] = 0;
        for (int i = 1; i <= state.R; ++i) aggregate(state, i, platform);

        const bool finite = measure(state);
        IterationOutcome outcome{IterationEnd::NotFinite, k, state.err[k], state.S[k]};
        // A NaN error would pass every test below as "not grown" and end the loop as if it
        // had converged.
        if (!finite) return outcome;
        findBalanceStep(state);

        if (state.err[k] > state.err[k - 1]) ++state.omega;
        if (state.err[k] - state.err[k - 1] < kCutOffGrowth && k > limits.cutOffAfter) {
            outcome.end = IterationEnd::CutOff;
            outcome.stoppedShort = true;
        } else if (state.err[k] < kPrecision && std::fabs(state.foreseenChange) < kPrecision &&
                   possibleOutput(state, state.S[k])) {
            // The error alone can pass while S still depends on a rate that no output shows
            // yet (the balancing step tells how far S would still move), or while S still lies
            // above the largest possible output by more than the precision.
            outcome.end = IterationEnd::Converged;
        } else if (k >= limits.iterationLimit) {
            outcome.end = IterationEnd::LimitReached;
            outcome.stoppedShort = true;
        } else {
            continue;
        }
        if (!acceptable(state, outcome)) {
            outcome.end = IterationEnd::NotConverged;
        } else if (state.S[k] > largestPossibleOutput(state)) {
            // Within the precision of the bound, but no output can exceed it: the run reports
            // the bound.
            state.S[k] = largestPossibleOutput(state);
            state.logS[k] = std::log(state.S[k]);
            outcome.S = state.S[k];
        }
        return outcome;
    }
}

double largestPossibleOutput(const SolverState& state) {
    double smallest = std::numeric_limits<double>::infinity();
    for (int i = 1; i <= state.R; ++i) {
        double largest = 0;
        for (int n = 0; n <= state.N[i]; ++n) largest = std::max(largest, state.mu(i, n));
        smallest = std::min(smallest, largest);
    }
    return smallest;
}

void reportIterationEnd(Platform& platform, const IterationOutcome& outcome) {
    if (outcome.stoppedShort) {
        platform.showMessage(QStringLiteral("βγήκε με precision=") + messageForm(outcome.error),
                             MessageIcon::None, QString());
    }
    if (outcome.end == IterationEnd::NotConverged) {
        platform.showMessage(notConvergedMessage(), MessageIcon::Warning, errorTitle());
    } else if (outcome.end == IterationEnd::NotFinite) {
        platform.showMessage(nonFiniteMessage(), MessageIcon::Warning, errorTitle());
    }
}

void showResultMessage(Platform& platform, double S) {
    platform.showMessage(
        QStringLiteral("Η έξοδος του σταθμού συνχρονισμού είναι,\r\n") + messageForm(S),
        MessageIcon::Warning, QStringLiteral("Aποτέλεσμα"));
}

QString outputText(double S) {
    return displayForm(truncateTo(S, 1000));
}

QString nonFiniteMessage() {
    return QStringLiteral("Η επανάληψη απέτυχε: οι τιμές έπαψαν να είναι πεπερασμένες.");
}

QString notConvergedMessage() {
    return QStringLiteral("Η επανάληψη δεν συνέκλινε· τα αποτελέσματα δεν γράφτηκαν.");
}

}  // namespace orven::aggregation
