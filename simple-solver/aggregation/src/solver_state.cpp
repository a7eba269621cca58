#include "orven/aggregation/solver_state.h"

#include <limits>

namespace orven::aggregation {

namespace {
// ln 0: an entry not yet computed stands for an output of 0, as S(0) does.
constexpr double kNoOutput = -std::numeric_limits<double>::infinity();
}  // namespace

void SolverState::extendIterations(int k) {
    const auto entries = static_cast<std::size_t>(k) + 1;
    S.resize(entries, 0.0);
    THbar.resize(entries, 0.0);
    err.resize(entries, 0.0);
    logS.resize(entries, kNoOutput);
    logTHbar.resize(entries, kNoOutput);
    th_.resize(entries * static_cast<std::size_t>(R + 1), 0.0);
    logTh_.resize(entries * static_cast<std::size_t>(R + 1), kNoOutput);
}

}  // namespace orven::aggregation
