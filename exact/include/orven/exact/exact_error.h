#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace orven::exact {

// The largest number of reachable states that the exact solution accepts. On the build machine
// (2 cores) a model of this size is solved in under 1 second where its states spread over two
// dimensions (the simple network with up to three classes) and in about 4 seconds where they
// spread over three (four classes, the double network), in a few hundred megabytes (see
// `make bench`); larger ones are refused before any factorisation starts.
inline constexpr std::size_t kMaxStates = 200000;

// A model the exact solution refuses (bad inputs, too many states, a network that stops) or a
// solve whose own checks failed. what() is a complete sentence for the user.
class ExactError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// "The model has more than 250000 reachable states; ..." for the size refusal.
std::string tooManyStatesMessage();

}  // namespace orven::exact
