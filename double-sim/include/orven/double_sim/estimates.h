#pragma once

#include <optional>
#include <span>

#include "orven/double_sim/engine.h"
#include "orven/fixed4.h"
#include "orven/sim/batch_means.h"
#include "orven/sim/results_content.h"
#include "orven/sim/shares.h"

namespace orven::double_sim {

// The estimates of one run, each taken to four decimals: `P` and `psum` of queues 1..6, the
// distribution `p24` of the jobs in queues 2 and 5 together (row kSumRow of `P`), and `X1`,
// `X2`, the firings of stations 1 and 2 per unit of time.
struct Estimates : sim::Shares {
    Fixed4 X1;
    Fixed4 X2;
    // The 95 % intervals from the batch means, where the run had enough batches.
    std::optional<sim::Intervals> intervals;

    // The half-width of P(k, j) (row kSumRow: p24) and of X1 (station 1) or X2 (station 2).
    std::optional<double> halfWidthP(int queue, int length) const;
    std::optional<double> halfWidthX(int station) const;

    // p24(s) for s = 0..Nmax.
    std::span<const Fixed4> p24() const { return P.row(kSumRow); }
};

// P = T / clock, p24 = T24 / clock, X1 = count1 / clock, X2 = count2 / clock, in double
// precision.
Estimates estimate(const RunState& run);

// The whole content of the results window: the state numbers then "---" and an empty row;
// each of the six columns its probabilities, ten hyphens and its total; X1 in Text1 and X2 in
// Text2, each with its half-width beside it.
sim::ResultsContent resultsContent(const Estimates& estimates);

}  // namespace orven::double_sim
