#include "orven/solver_kit/output_rates.h"

#include <QLocale>
#include <cmath>

#include "orven/aggregation/balance_step.h"
#include "orven/number_text.h"

namespace orven::solver_kit {

aggregation::Table findXout(const aggregation::SolverState& state) {
    aggregation::Table Xout(state.R + 1, state.Nmax + 1);
    for (int i = 1; i <= state.R; ++i) {
        // Where the class's jobs practically never wait, the run leaves x(i, 0), and so every
        // rate of the class, open: any value above some bound gives the same results. Such a
        // rate is not shown as if it were known: it stays 0, an empty item in the list and 0 in
        // the file, like the rates of states that a class cannot reach.
        if (state.N[i] < 1 || !aggregation::partnerRateDetermined(state, i)) continue;
        // P(i, 0) x(i, 0) / P0(i), with P(i, 0) / P0(i) kept as a logarithm: P0(i) may
        // underflow where the ratio does not. A rate beyond a double (the chain with nearly
        // all its weight far out on the partner side) is not a number to write either.
        const double first = state.x(i, 0) * std::exp(state.logPartnerSide[i]);
        Xout(i, 1) = std::isfinite(first * 1000) ? first : 0;
        for (int n = 2; n <= state.N[i]; ++n) Xout(i, n) = state.x(i, 0);
    }
    return Xout;
}

std::optional<RateIndex> firstNonFinite(const aggregation::Table& Xout) {
    for (int i = 0; i < Xout.rows(); ++i) {
        for (int n = 0; n < Xout.columns(); ++n) {
            // The lists and the file show the value times 1000, truncated.
            if (!std::isfinite(Xout(i, n) * 1000)) return RateIndex{i, n};
        }
    }
    return std::nullopt;
}

OutputLists outputLists(const aggregation::SolverState& state, const aggregation::Table& Xout,
                        int firstState, const QLocale& locale) {
    OutputLists lists;
    for (int n = firstState; n <= state.Nmax; ++n) lists.states.append(displayForm(n, locale));
    for (int i = 1; i <= state.R; ++i) {
        QStringList rates;
        for (int n = firstState; n <= state.Nmax; ++n) {
            const double rate = Xout(i, n);
            rates.append(rate != 0 ? displayForm(truncateTo(rate, 1000), locale) : QString());
        }
        rates.append(QStringLiteral("---------"));
        lists.rates.push_back(rates);
    }
    return lists;
}

OutputLists outputLists(const aggregation::SolverState& state, const aggregation::Table& Xout,
                        int firstState) {
    return outputLists(state, Xout, firstState, QLocale::system());
}

}  // namespace orven::solver_kit
