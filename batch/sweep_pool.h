#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "sweep_cases.h"
#include "sweep_row.h"
#include "sweep_runs.h"

namespace orven::batch {

// Runs `cases` on `threads` threads (at least one, at most one a case), each case with a
// platform and a state of its own, and hands their rows to `take` on the calling thread in
// case order, whatever the order in which they finish. Ends early once `take` answers false
// or the settings' interrupt flag is set; returns how many rows `take` accepted.
std::size_t runSweepCases(const std::vector<SweepCase>& cases, const SweepSettings& settings,
                          unsigned threads, const std::function<bool(SweepRow)>& take);

}  // namespace orven::batch
