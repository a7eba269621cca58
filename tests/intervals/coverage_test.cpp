// The 95 % interval of every simulator's output, over 200 seeded runs of a small network,
// covers the exact value in about 95 % of the runs: a half-width off by a factor (the square root
// of the number of batches, or the normal quantile for Student's) moves the share far out of the
// band that 200 runs allow.
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

// For each seed 1..kRuns, whether the run's interval of each output covered its exact value;
// the runs share the machine's cores.
std::vector<std::vector<bool>> coveredBySeed(
    const std::function<std::vector<bool>(std::uint64_t)>& run) {
    std::vector<std::vector<bool>> covered(kRuns);
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int r = next++; r < kRuns; r = next++)
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
    return static_cast<double>(count) / kRuns;
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

bool covers(double estimate, std::optional<double> halfWidth, double exact) {
    return halfWidth && std::fabs(estimate - exact) <= *halfWidth;
}

TEST(IntervalCoverageTest, TheSimpleSimulatorsIntervalOfXCoversTheExactValueAboutAsOftenAsItSays) {
    const std::array<int, simple_sim::kSources> populations{2, 2, 2};
    simple_sim::RunSetup setup;
    for (int i = 1; i <= simple_sim::kSources; ++i) setup.N[i] = 2;
    setup.mu = simple_sim::experimentRates(1, populations);
    setup.Nmax = 2;
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
    double_sim::RunSetup setup;
    setup.N = {0, 2, 2, 2, 2, 2, 2};
    setup.Nmax = 2;
    setup.mu = double_sim::RateTable(double_sim::kSources, 2);
    sim::fillPresetRates(setup.mu, 2, setup.N);
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

}  // namespace
}  // namespace orven
