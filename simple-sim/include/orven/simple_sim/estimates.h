#pragma once

#include <optional>

#include "orven/fixed4.h"
#include "orven/sim/batch_means.h"
#include "orven/sim/results_content.h"
#include "orven/sim/shares.h"
#include "orven/simple_sim/engine.h"

namespace orven::simple_sim {

// The estimates of one run, each taken to four decimals: `P` and `psum` of every queue, and
// `X`, the firings per unit of time; with their 95 % intervals from the batch means, where the
// run had enough batches.
struct Estimates : sim::Shares {
    Fixed4 X;
    std::optional<sim::Intervals> intervals;

    // The half-width of P(i, j) and of X.
    std::optional<double> halfWidthP(int queue, int length) const;
    std::optional<double> halfWidthX() const;
};

// `P` = T / clock, `X` = count / clock, in double precision.
Estimates estimate(const RunState& run);

// The whole content of the results window: the state numbers then "---" and "Σ"; each of the
// three columns its probabilities, ten hyphens and its total; the mean output in Text1 with
// its half-width beside it.
sim::ResultsContent resultsContent(const Estimates& estimates);

}  // namespace orven::simple_sim
