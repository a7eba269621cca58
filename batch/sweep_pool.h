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
// The same for `count` cases that `caseAt` builds, by their places 0 .. count - 1, when a thread
// comes to them; only the rows that wait for an earlier one are held.
std::size_t runSweepCases(std::size_t count, const std::function<SweepCase(std::size_t)>& caseAt,
                          const SweepSettings& settings, unsigned threads,
                          const std::function<bool(SweepRow)>& take);

}  // namespace orven::batch
