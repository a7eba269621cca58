// The 95 % interval of every simulator's output, over 200 seeded runs of a small network,
// covers the exact value in about 95 % of the runs: a half-width off by a factor (the square root
// of the number of batches, or the normal quantile for Student's) moves the share far out of the
// band that 200 runs allow. The same holds for a run split into two replications, whose interval
// stands on the batch means of both and whose estimate leaves out both warm-ups.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <thread>
#include <vector>

#include "orven/double_sim/engine.h"
#include "orven/double_sim/estimates.h"
#include "orven/exact/double_network.h"
#include "orven/exact/experiment_rates.h"
#include "orven/exact/simple_network.h"
#include "orven/sim/replications.h"
#include "orven/simple_sim/engine.h"
#include "orven/simple_sim/estimates.h"
#include "orven/simple_sim/experiments.h"
#include "scripted_platform.h"

namespace orven {
namespace {

constexpr int kRuns = 200;
constexpr float kRunLength = 20000.0f;
constexpr double kLowestShare = 0.90;
constexpr double kHighestShare = 0.98;
// Split runs: fewer of them, so a wider band.
constexpr int kSplitRuns = 80;
constexpr double kHighestSplitShare = 0.99;
constexpr sim::Replications kTwoReplications{2, 1};

// For each seed 1..runs, whether the run's interval of each output covered its exact value;
// the runs share the machine's cores.
std::vector<std::vector<bool>> coveredBySeed(
    const std::function<std::vector<bool>(std::uint64_t)>& run, int runs = kRuns) {
    std::vector<std::vector<bool>> covered(static_cast<std::size_t>(runs));
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int r = next++; r < runs; r = next++)
            covered[static_cast<std::size_t>(r)] = run(static_cast<std::uint64_t>(r + 1));
    };
    std::vector<std::thread> threads(std::max(1u, std::thread::hardware_concurrency()));
    for (auto& thread : threads) thread = std::thread(work);
    for (auto& thread : threads) thread.join();
    return covered;
}

double shareCovered(const std::vector<std::vector<bool>>& covered, std::size_t output) {
    const auto count = std::count_if(covered.begin(), covered.end(),
                                     [output](const auto& run) { return run.at(output); });
    return static_cast<double>(count) / static_cast<double>(covered.size());
}

template <typename Setup, typename Run>
sim::RunEnd runFor(const Setup& setup, Run& run, std::uint64_t seed) {
    orven::testing::ScriptedPlatform platform(seed);
    platform.drawDirectly();
    sim::RunController controller;
    controller.setRuntime(kRunLength);
    sim::RunView view;
    return montecarlo(setup, run, platform, controller, view);
}

template <typename Network, typename Setup, typename Run>
void runSplitFor(const Setup& setup, Run& run, std::uint64_t seed) {
    orven::testing::ScriptedPlatform platform(seed);
    sim::RunController controller;
    controller.setRuntime(kRunLength);
    sim::simulateReplications<Network>(setup, run, kTwoReplications, platform, controller);
}

simple_sim::RunSetup smallSimpleSetup() {
    simple_sim::RunSetup setup;
    for (int i = 1; i <= simple_sim::kSources; ++i) setup.N[i] = 2;
    setup.mu = simple_sim::experimentRates(1, {2, 2, 2});
    setup.Nmax = 2;
    return setup;
}

double_sim::RunSetup smallDoubleSetup() {
    double_sim::RunSetup setup;
    setup.N = {0, 2, 2, 2, 2, 2, 2};
    setup.Nmax = 2;
    setup.mu = double_sim::RateTable(double_sim::kSources, 2);
    sim::fillPresetRates(setup.mu, 2, setup.N);
    return setup;
}

bool covers(double estimate, std::optional<double> halfWidth, double exact) {
    return halfWidth && std::fabs(estimate - exact) <= *halfWidth;
}

TEST(IntervalCoverageTest, TheSimpleSimulatorsIntervalOfXCoversTheExactValueAboutAsOftenAsItSays) {
    const simple_sim::RunSetup setup = smallSimpleSetup();
    const double exact =
        exact::solveSimpleNetwork({2, 2, 2}, exact::simpleSimulatorRates(1, {2, 2, 2})).throughput;

    const auto covered = coveredBySeed([&](std::uint64_t seed) {
        simple_sim::RunState run;
        runFor(setup, run, seed);
        const simple_sim::Estimates estimates = simple_sim::estimate(run);
        EXPECT_EQ(estimates.intervals->batchMeans, sim::kBatches - 1);
        return std::vector<bool>{
            covers(static_cast<double>(run.count) / run.clock, estimates.halfWidthX(), exact)};
    });
    const double share = shareCovered(covered, 0);
    EXPECT_GE(share, kLowestShare);
    EXPECT_LE(share, kHighestShare);
}

TEST(IntervalCoverageTest, TheDoubleSimulatorsIntervalsOfBothOutputsCoverTheExactValue) {
    const double_sim::RunSetup setup = smallDoubleSetup();
    const auto solution =
        exact::solveDoubleNetwork({2, 2, 2, 2}, exact::doubleSimulatorRates(2, {2, 2, 2, 2}));

    const auto covered = coveredBySeed([&](std::uint64_t seed) {
        double_sim::RunState run;
        runFor(setup, run, seed);
        const double_sim::Estimates estimates = double_sim::estimate(run);
        return std::vector<bool>{covers(static_cast<double>(run.count1) / run.clock,
                                        estimates.halfWidthX(1), solution.throughputs[0]),
                                 covers(static_cast<double>(run.count2) / run.clock,
                                        estimates.halfWidthX(2), solution.throughputs[1])};
    });
    for (std::size_t station = 0; station < 2; ++station) {
        const double share = shareCovered(covered, station);
        EXPECT_GE(share, kLowestShare) << "station " << station + 1;
        EXPECT_LE(share, kHighestShare) << "station " << station + 1;
    }
}

TEST(IntervalCoverageTest, TwoReplicationsOfTheSimpleNetworkCoverTheExactValueAsOftenAsOneRun) {
    const simple_sim::RunSetup setup = smallSimpleSetup();
    const double exact =
        exact::solveSimpleNetwork({2, 2, 2}, exact::simpleSimulatorRates(1, {2, 2, 2})).throughput;
    const auto covered = coveredBySeed(
        [&](std::uint64_t seed) {
            simple_sim::RunState run;
            runSplitFor<simple_sim::Network>(setup, run, seed);
            const simple_sim::Estimates estimates = simple_sim::estimate(run);
            EXPECT_EQ(estimates.intervals->batchMeans, 2 * (sim::kBatches - 1));
            // Both warm-ups are left out of the estimate.
            EXPECT_NEAR(run.clock, kRunLength * (1.0 - 1.0 / sim::kBatches), 50.0);
            return std::vector<bool>{
                covers(static_cast<double>(run.count) / run.clock, estimates.halfWidthX(), exact)};
        },
        kSplitRuns);
    const double share = shareCovered(covered, 0);
    EXPECT_GE(share, kLowestShare);
    EXPECT_LE(share, kHighestSplitShare);
}

TEST(IntervalCoverageTest, TwoReplicationsOfTheDoubleNetworkCoverBothExactValues) {
    const double_sim::RunSetup setup = smallDoubleSetup();
    const auto solution =
        exact::solveDoubleNetwork({2, 2, 2, 2}, exact::doubleSimulatorRates(2, {2, 2, 2, 2}));
    const auto covered = coveredBySeed(
        [&](std::uint64_t seed) {
            double_sim::RunState run;
            runSplitFor<double_sim::Network>(setup, run, seed);
            const double_sim::Estimates estimates = double_sim::estimate(run);
            return std::vector<bool>{covers(static_cast<double>(run.count1) / run.clock,
                                            estimates.halfWidthX(1), solution.throughputs[0]),
                                     covers(static_cast<double>(run.count2) / run.clock,
                                            estimates.halfWidthX(2), solution.throughputs[1])};
        },
        kSplitRuns);
    for (std::size_t station = 0; station < 2; ++station) {
        const double share = shareCovered(covered, station);
        EXPECT_GE(share, kLowestShare) << "station " << station + 1;
        EXPECT_LE(share, kHighestSplitShare) << "station " << station + 1;
    }
}

}  // namespace
}  // namespace orven
