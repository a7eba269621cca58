#pragma once

#include "orven/exact/model.h"
#include "orven/simple_sim/setup.h"

namespace orven::simple_sim {

// The simple network with the populations and the rates of a run, drawn rates included.
exact::Model exactModel(const RunSetup& setup);

}  // namespace orven::simple_sim
