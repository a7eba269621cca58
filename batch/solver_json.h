#pragma once

#include <nlohmann/json.hpp>

#include "orven/aggregation/solver_state.h"
#include "orven/solver_kit/solver.h"

namespace orven::batch {

// How the iteration ended, in one word: converged, cut-off, limit, not-converged, not-finite.
const char* iterationEndName(aggregation::IterationEnd end);

// Every number of a completed solver run, for either network: the output S with how the
// iteration ended, and for each class its population, partner capacity, rates, partner rates,
// probabilities and output rates.
nlohmann::ordered_json solverRunJson(const aggregation::SolverState& state,
                                     const aggregation::Table& Xout,
                                     const solver_kit::StartResult& result, int experimentCode);

}  // namespace orven::batch
