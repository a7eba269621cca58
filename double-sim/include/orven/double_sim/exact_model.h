#pragma once

#include "orven/double_sim/setup.h"
#include "orven/exact/model.h"

namespace orven::double_sim {

// The double network with the four loop populations and the rates of a run, drawn rates
// included.
exact::Model exactModel(const RunSetup& setup);

}  // namespace orven::double_sim
