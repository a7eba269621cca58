#include "orven/aggregation/solver_state.h"

namespace orven::aggregation {

void SolverState::extendIterations(int k) {
    const auto entries = static_cast<std::size_t>(k) + 1;
    S.resize(entries, 0.0);
    THbar.resize(entries, 0.0);
    err.resize(entries, 0.0);
    th_.resize(entries * static_cast<std::size_t>(R + 1), 0.0);
}

}  // namespace orven::aggregation
