#include "orven/exact/markov_chain.h"

#include <cmath>
#include <unordered_map>

#include "orven/exact/exact_error.h"

namespace orven::exact {

namespace {

// True when every state has a path of moves to state 0.
bool everyStateLeadsToStart(std::size_t stateCount, const std::vector<std::size_t>& offsets,
                            const std::vector<std::size_t>& targets) {
    // Predecessor lists in compressed form, then a search backwards from state 0.
    std::vector<std::size_t> predecessorOffsets(stateCount + 1, 0);
    for (const std::size_t t : targets) ++predecessorOffsets[t + 1];
    for (std::size_t s = 0; s < stateCount; ++s) predecessorOffsets[s + 1] += predecessorOffsets[s];
    std::vector<std::size_t> predecessors(targets.size());
    std::vector<std::size_t> fill(predecessorOffsets.begin(), predecessorOffsets.end() - 1);
    for (std::size_t s = 0; s < stateCount; ++s) {
        for (std::size_t m = offsets[s]; m < offsets[s + 1]; ++m)
            predecessors[fill[targets[m]]++] = s;
    }

    std::vector<bool> reached(stateCount, false);
    std::vector<std::size_t> pending{0};
    reached[0] = true;
    std::size_t reachedCount = 1;
    while (!pending.empty()) {
        const std::size_t s = pending.back();
        pending.pop_back();
        for (std::size_t k = predecessorOffsets[s]; k < predecessorOffsets[s + 1]; ++k) {
            const std::size_t p = predecessors[k];
            if (!reached[p]) {
                reached[p] = true;
                ++reachedCount;
                pending.push_back(p);
            }
        }
    }
    return reachedCount == stateCount;
}

}  // namespace

std::string tooManyStatesMessage() {
    return "The model has more than " + std::to_string(kMaxStates) +
           " reachable states, the most that the exact solution accepts; choose smaller "
           "populations.";
}

MarkovChain MarkovChain::enumerate(const State& start, const TransitionLister& moves,
                                   std::size_t maxStates) {
    MarkovChain chain;
    std::unordered_map<State, std::size_t, StateHash> numberOf;
    chain.states_.push_back(start);
    numberOf.emplace(start, 0);
    chain.offsets_.push_back(0);

    std::vector<Transition> out;
    // The state list doubles as the queue of the breadth-first search.
    for (std::size_t s = 0; s < chain.states_.size(); ++s) {
        out.clear();
        moves(chain.states_[s], out);
        for (const Transition& move : out) {
            if (!std::isfinite(move.rate) || move.rate < 0) {
                throw ExactError("Every rate must be a finite number of at least 0.");
            }
            if (move.rate == 0 || move.target == chain.states_[s]) continue;
            auto [where, isNew] = numberOf.try_emplace(move.target, chain.states_.size());
            if (isNew) {
                if (chain.states_.size() >= maxStates)
                    throw ExactError(tooManyStatesMessage(), Refusal::TooManyStates);
                chain.states_.push_back(move.target);
            }
            chain.targets_.push_back(where->second);
            chain.rates_.push_back(move.rate);
            chain.firings_.push_back(move.firings);
        }
        chain.offsets_.push_back(chain.targets_.size());
    }

    if (!everyStateLeadsToStart(chain.states_.size(), chain.offsets_, chain.targets_)) {
        throw ExactError(
            "With these rates the network can reach a state that it never leaves again, so it "
            "has no single long-run behaviour; every source needs a positive rate at every "
            "level below its population.",
            Refusal::CanStop);
    }
    return chain;
}

std::size_t StateHash::operator()(const State& state) const noexcept {
    std::uint64_t h = 1469598103934665603ull;
    for (const std::int16_t n : state) {
        h ^= static_cast<std::uint16_t>(n);
        h *= 1099511628211ull;
    }
    return static_cast<std::size_t>(h);
}

double MarkovChain::outRate(std::size_t s) const {
    double total = 0;
    for (std::size_t m = offsets_[s]; m < offsets_[s + 1]; ++m) total += rates_[m];
    return total;
}

double firingRate(const MarkovChain& chain, const StationaryDistribution& distribution,
                  int station) {
    const auto bit = static_cast<std::uint8_t>(1u << (station - 1));
    long double total = 0;
    for (std::size_t s = 0; s < chain.stateCount(); ++s) {
        for (std::size_t m = chain.first(s); m < chain.first(s + 1); ++m) {
            if ((chain.firings(m) & bit) != 0) {
                total += static_cast<long double>(distribution.probabilities[s]) * chain.rate(m);
            }
        }
    }
    return static_cast<double>(total);
}

}  // namespace orven::exact
