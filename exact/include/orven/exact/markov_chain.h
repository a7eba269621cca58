#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace orven::exact {

// Queue lengths of one network state; a network uses as many leading entries as it has queues
// and leaves the rest 0.
using State = std::array<std::int16_t, 6>;

// States as keys of a hash table.
struct StateHash {
    std::size_t operator()(const State& state) const noexcept;
};

// One exponential move out of a state. `firings` has bit k set when synchronization station
// k + 1 fires during the move.
struct Transition {
    State target{};
    double rate = 0;
    std::uint8_t firings = 0;
};

// Lists every move out of a state (moves of rate 0 may be left out or listed).
using TransitionLister = std::function<void(const State&, std::vector<Transition>&)>;

// The continuous-time Markov chain of the states reachable from a start state, kept as a
// compressed table of moves between state numbers.
class MarkovChain {
  public:
    // Enumerates the states reachable from `start` breadth first. Throws ExactError when more
    // than `maxStates` are reachable, or when some reachable state cannot lead back to `start`
    // (then the network can stop, and its long-run behaviour depends on where it stops).
    static MarkovChain enumerate(const State& start, const TransitionLister& moves,
                                 std::size_t maxStates);

    std::size_t stateCount() const { return states_.size(); }
    const State& state(std::size_t s) const { return states_[s]; }

    // Moves out of state s are the entries first(s) .. first(s + 1) - 1.
    std::size_t first(std::size_t s) const { return offsets_[s]; }
    std::size_t target(std::size_t move) const { return targets_[move]; }
    double rate(std::size_t move) const { return rates_[move]; }
    std::uint8_t firings(std::size_t move) const { return firings_[move]; }

    // Total rate out of state s.
    double outRate(std::size_t s) const;

  private:
    std::vector<State> states_;
    std::vector<std::size_t> offsets_;
    std::vector<std::size_t> targets_;
    std::vector<double> rates_;
    std::vector<std::uint8_t> firings_;
};

// The stationary distribution of a chain and how well it satisfies its equations.
struct StationaryDistribution {
    std::vector<double> probabilities;  // by state number
    // |sum of the probabilities - 1|, summed in extended precision.
    double sumError = 0;
    // Largest |inflow - outflow| over the states, relative to the largest probability flow out
    // of any state.
    double balanceResidual = 0;
};

// Largest accepted errors of the self-checks.
inline constexpr double kMaxSumError = 1e-12;
inline constexpr double kMaxBalanceResidual = 1e-9;

// How the balance equations are solved: directly, by an elimination in nested-dissection
// order that keeps even tiny probabilities to nearly full relative precision, or by BiCGSTAB
// with a multigrid over blocks of neighbouring queue lengths. The direct solve is fast where
// the states spread over two dimensions (its dense fronts grow like the square root of the
// state count); over three its fronts grow too large, while the multigrid's cost grows
// little faster than the state count. Automatic takes the direct solve up to
// directSolveLimit states.
enum class SolveMethod { Automatic, Direct, Iterative };
inline constexpr std::size_t kDirectSolveLimit = 5000;

struct SolveSettings {
    SolveMethod method = SolveMethod::Automatic;
    std::size_t directSolveLimit = kDirectSolveLimit;
};
// For chains whose states lie on two-dimensional faces: the direct solve at every size.
inline constexpr SolveSettings kTwoDimensionalSettings{SolveMethod::Direct};

// Solves the global balance equations with the normalisation, then checks the answer. Throws
// ExactError when the solve fails or a check does not hold.
StationaryDistribution solveStationary(const MarkovChain& chain,
                                       const SolveSettings& settings = {});

// Long-run rate of the moves in which synchronization station `station` (1-based) fires.
double firingRate(const MarkovChain& chain, const StationaryDistribution& distribution,
                  int station);

}  // namespace orven::exact
