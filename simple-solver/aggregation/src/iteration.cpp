#include "orven/aggregation/iteration.h"

#include <algorithm>
#include <cmath>

#include "orven/aggregation/class_subsystem.h"
#include "orven/aggregation/solver_state.h"
#include "orven/input_rules.h"
#include "orven/number_text.h"
#include "orven/platform.h"

namespace orven::aggregation {

namespace {

// Steps 3 to 7 of an iteration: TH, S, THbar and err from the class subsystems just solved.
// Returns false when one of them is not a finite number.
bool measure(SolverState& state) {
    const int R = state.R;
    const int k = state.iter;
    double S = 0;
    double sumTH = 0;
    bool finite = true;
    for (int i = 1; i <= R; ++i) {
        // 1 - Q(i, 0) and 1 - P(i, 0), taken from their own terms.
        state.TH(i, k) = state.Qwait[i] * state.mu(i, 0) + state.Pwait[i] * state.x(i, 0);
        S += state.Qwait[i] * state.mu(i, 0);
        sumTH += state.TH(i, k);
        finite = finite && std::isfinite(state.TH(i, k));
    }
    state.S[k] = S;
    state.THbar[k] = sumTH / R;

    double e = 0;
    for (int i = 1; i <= R; ++i) {
        const double e1 = std::fabs((S - state.S[k - 1]) / S);
        const double e2 = std::fabs((S - state.TH(i, k)) / S);
        finite = finite && std::isfinite(e1) && std::isfinite(e2);
        e = std::max({e, e1, e2});
    }
    state.err[k] = e;
    state.err[0] = 1;
    return finite && std::isfinite(S) && std::isfinite(state.THbar[k]);
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

        if (state.err[k] > state.err[k - 1]) ++state.omega;
        if (state.err[k] - state.err[k - 1] < kCutOffGrowth && k > limits.cutOffAfter) {
            outcome.end = IterationEnd::CutOff;
            return outcome;
        }
        if (state.err[k] < kPrecision) {
            outcome.end = IterationEnd::Converged;
            return outcome;
        }
        if (k >= limits.iterationLimit) {
            outcome.end = IterationEnd::LimitReached;
            return outcome;
        }
    }
}

void reportIterationEnd(Platform& platform, const IterationOutcome& outcome) {
    switch (outcome.end) {
        case IterationEnd::Converged:
            return;
        case IterationEnd::CutOff:
        case IterationEnd::LimitReached:
            platform.showMessage(QStringLiteral("βγήκε με precision=") + messageForm(outcome.error),
                                 MessageIcon::None, QString());
            return;
        case IterationEnd::NotFinite:
            platform.showMessage(nonFiniteMessage(), MessageIcon::Warning, errorTitle());
            return;
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

}  // namespace orven::aggregation
