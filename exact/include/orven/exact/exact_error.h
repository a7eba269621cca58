#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace orven::exact {

// The largest number of reachable states that the exact solution accepts. On the build machine
// (2 cores) a model of this size is solved in about 6 seconds of CPU time while other builds
// keep both cores busy, which is under half of that on a quiet machine, whether its states
// spread over two dimensions or three, in at most 800 megabytes (see `make bench`); larger
// ones are refused before any factorisation starts.
inline constexpr std::size_t kMaxStates = 500000;

// Why the exact solution gave no answer, for a window that says so in its own words.
enum class Refusal {
    TooManyStates,  // more than kMaxStates reachable states
    CanStop,        // a rate of 0 lets the network reach a state it never leaves
    Other,          // inputs out of range, or a solve that failed its own checks
};

// A model the exact solution refuses (bad inputs, too many states, a network that stops) or a
// solve whose own checks failed. what() is a complete sentence for the user.
class ExactError : public std::runtime_error {
  public:
    explicit ExactError(const std::string& what, Refusal refusal = Refusal::Other)
        : std::runtime_error(what), refusal_(refusal) {}
    Refusal refusal() const { return refusal_; }

  private:
    Refusal refusal_;
};

// A solve given up because its caller no longer wants the answer.
struct Cancelled {};

// "The model has more than 150000 reachable states; ..." for the size refusal.
std::string tooManyStatesMessage();

}  // namespace orven::exact
