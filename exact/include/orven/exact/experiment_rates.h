#pragma once

#include <vector>

#include "orven/exact/exact_solution.h"

namespace orven::exact {

// The preset rate tables of the simulators' experiments, numbered as the simulators number
// them (the index of the option button): 0 gives rate 1 to every source; 1 gives 1, 1/2, 1/4,
// 1/8; 2 gives 1, 1/1.1, 1/1.2, 1/1.3. A source keeps its rate at every level below its
// population and has rate 0 at its population. Throws ExactError for another experiment
// (3, the random rates, has no fixed table) and for populations outside 1..32767.
//
// These stand in for the simulators' own set-up until they can be called from here.

// The simple simulator's tables, for 2 to 4 classes (the fourth class takes the rates that
// the simple solver gives it).
RateTable simpleSimulatorRates(int experiment, const std::vector<int>& populations);

// The double simulator's tables for its four sources.
RateTable doubleSimulatorRates(int experiment, const std::vector<int>& populations);

// The double solver's presets on the same four sources, for comparing like with like: the
// solver names its experiments' rates after stations 1, 2, 5 and 3, so source 3 (stream λ3)
// takes the solver's third-station rate and source 4 (stream λ5) its fifth-station rate, the
// other way round from the simulator.
RateTable doubleSolverRates(int experiment, const std::vector<int>& populations);

}  // namespace orven::exact
