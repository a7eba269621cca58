#include "orven/sim/replications.h"

#include <algorithm>
#include <atomic>
#include <cassert>
#include <cmath>
#include <exception>
#include <mutex>
#include <random>
#include <thread>

#include "orven/clock.h"

namespace orven::sim {

RunSeed drawRunSeed(Platform& platform) {
    RunSeed seed{};
    for (std::uint32_t& word : seed)
        word = static_cast<std::uint32_t>(std::ldexp(platform.uniformRandom(), 24));
    return seed;
}

std::uint64_t replicationSeed(const RunSeed& seed, int index) {
    std::seed_seq sequence{seed[0], seed[1], seed[2], static_cast<std::uint32_t>(index)};
    std::array<std::uint32_t, 2> words{};
    sequence.generate(words.begin(), words.end());
    return (std::uint64_t{words[0]} << 32) | words[1];
}

void onThreads(int count, unsigned jobs, const std::function<void(int)>& task) {
    const unsigned cores = std::max(1U, std::thread::hardware_concurrency());
    const unsigned threads =
        std::min(jobs == 0 ? cores : jobs, static_cast<unsigned>(std::max(count, 1)));
    std::atomic<int> next{0};
    std::exception_ptr failure;
    std::mutex failureMutex;
    const auto work = [&] {
        for (int k = next++; k < count; k = next++) {
            try {
                task(k);
            } catch (...) {
                const std::lock_guard lock(failureMutex);
                if (!failure) failure = std::current_exception();
            }
        }
    };
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < threads; ++t) helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers) helper.join();
    if (failure) std::rethrow_exception(failure);
}

std::int64_t ReplicaPlatform::wallClockMilliseconds() {
    return steadyMilliseconds();
}

RunTotals PooledRun::totals() const {
    RunTotals totals{part.clock, &T, {}, outputs};
    const std::span<const std::int64_t> c = counts();
    std::copy(c.begin(), c.end(), totals.counts.begin());
    return totals;
}

std::span<const std::int64_t> PooledRun::counts() const {
    return std::span<const std::int64_t>(part.values).last(static_cast<std::size_t>(outputs));
}

PooledRun poolRuns(const std::vector<const BatchMeans*>& batches,
                   const std::vector<RunTotals>& totals) {
    assert(!batches.empty() && batches.size() == totals.size());
    const RunTotals& first = totals.front();
    PooledRun pooled{*batches.front(), batches.front()->afterWarmUp(first),
                     TimeTable(first.T->rows(), first.T->nmax()), first.outputs};
    for (std::size_t r = 1; r < batches.size(); ++r) {
        pooled.batches.pool(*batches[r]);
        const BatchMeans::Part part = batches[r]->afterWarmUp(totals[r]);
        pooled.part.clock += part.clock;
        for (std::size_t v = 0; v < part.values.size(); ++v)
            pooled.part.values[v] += part.values[v];
    }
    // The cells come first, rows 1.. in order, as the time table lays them out from row 1.
    const std::size_t cells = pooled.part.values.size() - static_cast<std::size_t>(first.outputs);
    const std::size_t row0 = static_cast<std::size_t>(first.T->nmax() + 1);
    for (std::size_t v = 0; v < cells; ++v)
        pooled.T.data()[row0 + v] = Fixed4::fromCount(pooled.part.values[v]);
    return pooled;
}

}  // namespace orven::sim
