#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace orven::batch {

// One case of a sweep: its place in the whole sweep, its inputs, and the seed its run draws
// from, derived from the inputs alone so that a case repeats exactly however the sweep is split.
struct SweepCase {
    std::size_t index = 0;
    std::vector<int> populations;
    std::string experiment;
    std::uint64_t seed = 0;     // as the user numbered it
    std::uint64_t runSeed = 0;  // what the run's generator starts from
};

// The most cases that one sweep may have, before --shard slices it: a larger sweep is refused
// before any of its cases is built.
inline constexpr std::uint64_t kMaxSweepCases = 10'000'000;

// "1..30,5,5": one range or value per population; alternatives joined by ";"; "1..10x3" for
// three equal populations running together. Every tuple, in order, the first population
// varying slowest. `counts` are the numbers of populations the subcommand accepts.
std::vector<std::vector<int>> populationTuples(const std::string& text,
                                               const std::vector<std::size_t>& counts);
// "0,1,2", "0..2", "random": the items in order; a name in `names` stands for itself.
std::vector<std::string> experimentList(const std::string& text, int lowest, int highest,
                                        const std::vector<std::string>& names);
// "1..10" or "1,5,9": seeds in order.
std::vector<std::uint64_t> seedList(const std::string& text);

// How many tuples or seeds the texts give, without building them; a count beyond 64 bits stays
// at the largest. The texts are checked as populationTuples and seedList check them.
std::uint64_t populationTupleCount(const std::string& text, const std::vector<std::size_t>& counts);
std::uint64_t seedCount(const std::string& text);

// "K/M": the K-th of M slices (1 <= K <= M).
std::pair<std::size_t, std::size_t> shardOption(const std::string& text);

// A 64-bit hash of a text (FNV-1a): the same on every machine and in every run. `hash` carries
// on from the hash of the texts before it.
std::uint64_t textHash(const std::string& text, std::uint64_t hash = 1469598103934665603ULL);

// Every case of the cartesian product, populations outermost and seeds innermost, with its
// run's seed derived from the subcommand and the case; each case is built when it is asked for,
// so that a long sweep holds its inputs rather than its cases.
class SweepCaseList {
  public:
    SweepCaseList(std::string subcommand, std::vector<std::vector<int>> populations,
                  std::vector<std::string> experiments, std::vector<std::uint64_t> seeds);
    std::size_t size() const;
    SweepCase operator[](std::size_t index) const;
    // The most populations that a case has.
    std::size_t populationColumns() const;

  private:
    std::string subcommand_;
    std::vector<std::vector<int>> populations_;
    std::vector<std::string> experiments_;
    std::vector<std::uint64_t> seeds_;
};

// The cases of a sweep's options; a sweep of more than kMaxSweepCases cases is refused with its
// count (CLI::ValidationError) before anything is built.
SweepCaseList sweepCaseList(const std::string& subcommand, const std::string& populations,
                            const std::vector<std::size_t>& counts,
                            const std::vector<std::string>& experiments, const std::string& seeds);

// The same cases, all built at once.
std::vector<SweepCase> sweepCases(const std::string& subcommand,
                                  const std::vector<std::vector<int>>& populations,
                                  const std::vector<std::string>& experiments,
                                  const std::vector<std::uint64_t>& seeds);

// The cases of slice `shard` of `shards`: a contiguous part, so that the slices' rows joined in
// the order of the slices are the rows of the whole sweep.
std::pair<std::size_t, std::size_t> shardRange(std::size_t cases, std::size_t shard,
                                               std::size_t shards);

}  // namespace orven::batch
