#include "orven/solver_kit/rate_choice.h"

#include "orven/preset_rates.h"

namespace orven::solver_kit {

void RateChoice::choosePreset(int code) {
    if (code < 0 || code > 2) return;
    code_ = code;
    drawn_ = aggregation::Table();
}

void RateChoice::chooseDrawn(aggregation::Table rates) {
    code_ = kDrawnCode;
    drawn_ = std::move(rates);
}

double RateChoice::rate(int i, int n, int population) const {
    if (n < 0 || n >= population) return 0.0;
    if (isDrawn()) {
        const bool inTable = i >= 0 && i < drawn_.rows() && n < drawn_.columns();
        return inTable ? drawn_(i, n) : 0.0;
    }
    return presetRate(codeOrZero(), i);
}

aggregation::Table RateChoice::workingRates(std::span<const int> N, int Nmax) const {
    const int R = static_cast<int>(N.size()) - 1;
    aggregation::Table mu(R + 1, Nmax + 1);
    for (int i = 1; i <= R; ++i) {
        for (int n = 0; n <= Nmax; ++n) mu(i, n) = rate(i, n, N[static_cast<std::size_t>(i)]);
    }
    return mu;
}

}  // namespace orven::solver_kit
