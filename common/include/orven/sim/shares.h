#pragma once

#include <vector>

#include "orven/fixed4.h"
#include "orven/sim/state_table.h"

namespace orven::sim {

// `part` / `clock` in double precision, taken to four decimals; an empty run (zero clock) gives
// 0 rather than an undefined value.
Fixed4 share(double part, double clock);

// The estimated distribution of every row of a time table.
struct Shares {
    TimeTable P;               // P(k, j) = T(k, j) / clock
    std::vector<Fixed4> psum;  // psum[k]: the sum of P(k, 0..nmax) as shown; psum[0] unused
};

Shares shares(const TimeTable& T, double clock);

}  // namespace orven::sim
