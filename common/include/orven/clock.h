#pragma once

#include <cstdint>

namespace orven {

// The system clock in nanoseconds, the reading that reseeds the generator.
std::uint64_t clockNanoseconds();

// A monotonic wall clock in milliseconds from an arbitrary start, for hand-overs to the window.
std::int64_t steadyMilliseconds();

}  // namespace orven
