#pragma once

#include <optional>
#include <span>

#include "orven/aggregation/table.h"

namespace orven::solver_kit {

// The rates that the user's choice produces: a preset experiment, or a table of drawn rates.
// It is kept apart from the working rates `mu` of a run: every set-up builds a fresh `mu` from
// it, so a run never reads what an earlier run wrote into its own table (the double network
// folds its station-1 rates in place, and must fold the drawn rates, not last run's fold).
class RateChoice {
  public:
    // The experiment code of drawn rates.
    static constexpr int kDrawnCode = 4;

    // A preset experiment: code 0, 1 or 2; any other code is ignored. Drawn rates are dropped.
    void choosePreset(int code);
    // Rates drawn for every class: rates(i, n) is the rate of class i with n of its jobs
    // waiting. The code becomes 4 until a preset is chosen.
    void chooseDrawn(aggregation::Table rates);

    // The code as chosen; nothing before any choice.
    std::optional<int> code() const { return code_; }
    // The code, a choice not yet made counting as 0.
    int codeOrZero() const { return code_.value_or(0); }
    bool isDrawn() const { return code_ == kDrawnCode; }
    const aggregation::Table& drawn() const { return drawn_; }

    // The chosen rate of class i with n of its jobs waiting, in a class of `population`: below
    // the full queue a preset's rate or the drawn table's entry (0 outside the table), and 0
    // from the full queue on, also where rates were drawn for a larger population.
    double rate(int i, int n, int population) const;

    // A fresh working table mu(0..R, 0..Nmax) for the populations N(1..R) (N[0] unused).
    aggregation::Table workingRates(std::span<const int> N, int Nmax) const;

  private:
    std::optional<int> code_;
    aggregation::Table drawn_;
};

}  // namespace orven::solver_kit
