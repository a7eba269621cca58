#pragma once

#include <span>

#include "orven/double_sim/engine.h"
#include "orven/fixed4.h"
#include "orven/sim/results_content.h"
#include "orven/sim/shares.h"

namespace orven::double_sim {

// The estimates of one run, each taken to four decimals: `P` and `psum` of queues 1..6, the
// distribution `p24` of the jobs in queues 2 and 5 together (row kSumRow of `P`), and `X1`,
// `X2`, the firings of stations 1 and 2 per unit of time.
struct Estimates : sim::Shares {
    Fixed4 X1;
    Fixed4 X2;

    // p24(s) for s = 0..Nmax.
    std::span<const Fixed4> p24() const { return P.row(kSumRow); }
};

// P = T / clock, p24 = T24 / clock, X1 = count1 / clock, X2 = count2 / clock, in double
// precision.
Estimates estimate(const RunState& run);

// The whole content of the results window: the state numbers then "---" and an empty row;
// each of the six columns its probabilities, ten hyphens and its total; X1 in Text1 and X2 in
// Text2.
sim::ResultsContent resultsContent(const Estimates& estimates);

}  // namespace orven::double_sim
