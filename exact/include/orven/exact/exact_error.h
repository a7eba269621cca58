#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace orven::exact {

// The largest number of reachable states that the exact solution accepts. A model of this size
// is solved in a few seconds and a few hundred megabytes on the build machine (see the
// benchmarks under bench/exact); larger ones are refused before any factorisation starts.
inline constexpr std::size_t kMaxStates = 150000;

// A model the exact solution refuses (bad inputs, too many states, a network that stops) or a
// solve whose own checks failed. what() is a complete sentence for the user.
class ExactError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// "The model has more than 250000 reachable states; ..." for the size refusal.
std::string tooManyStatesMessage();

}  // namespace orven::exact
