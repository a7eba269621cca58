#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "orven/platform.h"
#include "orven/random_source.h"
#include "orven/sim/batch_means.h"
#include "orven/sim/run_controller.h"
#include "orven/sim/run_loop.h"
#include "orven/sim/run_view.h"
#include "orven/sim/state_table.h"

namespace orven::sim {

// How a run is split: into `count` independent replications of an equal share of the run
// length, `jobs` of them stepping at once (0: one per core). The figures depend on the count
// alone, never on the jobs or the machine.
struct Replications {
    int count = 1;
    unsigned jobs = 0;
};
// Every replication keeps tables the size of the network's in memory until the run ends.
inline constexpr int kMostReplications = 1024;

// The seed of a split run: three draws of the platform's generator, so that a fixed seed
// repeats the run and a reseed from the clock gives a new one.
using RunSeed = std::array<std::uint32_t, 3>;
RunSeed drawRunSeed(Platform& platform);
// The generator seed of replication `index`: the run's seed and the index through a
// std::seed_seq, so that no two replications start from related states of the generator.
std::uint64_t replicationSeed(const RunSeed& seed, int index);

// Calls task(k) for every k below `count` on at most `jobs` threads (0: one per core) and
// returns when all have returned; the first exception a task threw is thrown again here.
void onThreads(int count, unsigned jobs, const std::function<void(int)>& task);

// The platform of one replication: its own generator, whose stream its seed alone fixes, a
// wall clock, and nobody to ask or tell anything.
class ReplicaPlatform final : public Platform {
  public:
    explicit ReplicaPlatform(std::uint64_t seed) : random_(seed) {}
    void showMessage(const QString&, MessageIcon, const QString&) override {}
    QString askText(const QString&, const QString&, const QString&) override { return {}; }
    void reseedRandom() override {}
    float uniformRandom() override { return random_.uniform(); }
    RandomSource* generator() override { return &random_; }
    QDateTime currentDateTime() override { return {}; }
    std::int64_t wallClockMilliseconds() override;
    void processEvents() override {}
    QString resultsFolder() override { return {}; }
    AppendOutcome appendFile(const QString&, const QByteArray&) override { return {}; }
    void printWindow(QObject&) override {}

  private:
    RandomSource random_;
};

// The replications of a run taken together: each one's part after its warm-up, added up, and
// the batch means of them all.
struct PooledRun {
    BatchMeans batches;
    BatchMeans::Part part;
    TimeTable T;
    int outputs = 0;

    RunTotals totals() const;
    std::span<const std::int64_t> counts() const;
};
PooledRun poolRuns(const std::vector<const BatchMeans*>& batches,
                   const std::vector<RunTotals>& totals);

// `simulate` for a run split into replications: each from empty queues with a generator of its
// own, with boundaries of its batches from its share of the run length; with a precision goal
// they all go on, longer and longer, until their batch means together reach it. `combined`
// gets the runs after their warm-ups, added up: the time table, the clock and (through the
// network's `setCounts(RunState&, counts)`) the outputs' counts, with the batch means of them
// all.
template <typename Network, typename RunState, typename Setup>
RunEnd simulateReplications(const Setup& setup, RunState& combined,
                            const Replications& replications, Platform& platform,
                            RunController& controller) {
    struct Replica {
        Replica(const Setup& setup, std::uint64_t seed)
            : run(setup.Nmax), network(setup, run), platform(seed) {}
        RunState run;
        Network network;
        ReplicaPlatform platform;
        RunController controller;
        RunEnd end = RunEnd::RunLengthReached;
    };
    platform.reseedRandom();
    const RunSeed seed = drawRunSeed(platform);
    const int count = replications.count;
    std::vector<std::unique_ptr<Replica>> replicas;
    for (int k = 0; k < count; ++k) {
        replicas.push_back(std::make_unique<Replica>(setup, replicationSeed(seed, k)));
        Replica& replica = *replicas.back();
        replica.controller.stopWhenSet(controller.interruptFlag());
        replica.network.batches().start(controller.runtime() / static_cast<float>(count),
                                        replica.network.totals());
    }
    const auto pooled = [&replicas] {
        std::vector<const BatchMeans*> batches;
        std::vector<RunTotals> totals;
        for (const auto& replica : replicas) {
            batches.push_back(&replica->network.batches());
            totals.push_back(replica->network.totals());
        }
        return poolRuns(batches, totals);
    };

    RunEnd end = RunEnd::RunLengthReached;
    for (;;) {
        const float share = controller.runtime() / static_cast<float>(count);
        onThreads(count, replications.jobs, [&](int k) {
            Replica& replica = *replicas[static_cast<std::size_t>(k)];
            if (replica.end != RunEnd::RunLengthReached) return;
            replica.controller.setRuntime(share);
            RunView unseen;
            replica.end =
                stepUntilEnd(replica.network, replica.platform, replica.controller, unseen);
        });
        for (const auto& replica : replicas)
            if (replica->end != RunEnd::RunLengthReached && end != RunEnd::Stopped)
                end = replica->end;
        if (end != RunEnd::RunLengthReached) break;
        const PooledRun now = pooled();
        if (!lengthenForPrecision(controller, now.batches, now.totals())) break;
    }
    if (end == RunEnd::Stopped) return end;
    for (const auto& replica : replicas)
        replica->network.batches().finish(replica->network.totals());
    PooledRun all = pooled();
    combined = RunState(setup.Nmax);
    combined.T = std::move(all.T);
    combined.clock = all.part.clock;
    combined.batches = std::move(all.batches);
    setCounts(combined, all.counts());
    if (end == RunEnd::NoSourceCanSend) reportNoSource(platform);
    return end;
}

// A Start's run: `network`, as its set-up left it, on its own; or, split, replications of it
// whose sum after their warm-ups `run` gets.
template <typename Network, typename RunState, typename Setup>
RunEnd simulateWholeOrSplit(Network& network, const Setup& setup, RunState& run,
                            const Replications& replications, Platform& platform,
                            RunController& controller, RunView& view) {
    if (replications.count <= 1) return simulate(network, platform, controller, view);
    return simulateReplications<Network>(setup, run, replications, platform, controller);
}

}  // namespace orven::sim
