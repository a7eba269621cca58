#pragma once

#include <array>

#include "orven/aggregation/table.h"
#include "orven/double_solver/setup.h"

namespace orven {
class Platform;
}

namespace orven::double_solver {

// The lowest rate a draw may give: station 1 (class 1) 0.1, every other class 0.4. A draw below
// it is thrown away and drawn again, so the rates are uniform on [bound, 1).
double lowestDrawnRate(int i);

// Draws every rate that `drawn` lacks below the given lengths (lengths[i] for class i = 1..4):
// rate 1 with no job waiting, and for 1 to lengths[i] - 1 waiting jobs a uniform draw at or
// above the class's bound, the generator reseeded from the clock before every draw. Rates
// already drawn stay; a table without rates draws them all, as "random μ" does. Returns whether
// anything was drawn.
bool drawMissingRates(aggregation::Table& drawn, const std::array<int, kClasses + 1>& lengths,
                      Platform& platform);

}  // namespace orven::double_solver
