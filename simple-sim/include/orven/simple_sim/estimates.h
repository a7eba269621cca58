#pragma once

#include "orven/fixed4.h"
#include "orven/sim/results_content.h"
#include "orven/sim/shares.h"
#include "orven/simple_sim/engine.h"

namespace orven::simple_sim {

// The estimates of one run, each taken to four decimals: `P` and `psum` of every queue, and
// `X`, the firings per unit of time.
struct Estimates : sim::Shares {
    Fixed4 X;
};

// `P` = T / clock, `X` = count / clock, in double precision.
Estimates estimate(const RunState& run);

// The whole content of the results window: the state numbers then "---" and "Σ"; each of the
// three columns its probabilities, ten hyphens and its total; the mean output in Text1.
sim::ResultsContent resultsContent(const Estimates& estimates);

}  // namespace orven::simple_sim
