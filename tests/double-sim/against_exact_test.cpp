// The simulator's long-run estimates against the exact stationary distribution of the double
// network with the same rates: every marginal of the six queues, the distribution of queues 2
// and 5 together, and the outputs of both stations.
#include <gtest/gtest.h>

#include "orven/double_sim/estimates.h"
#include "orven/exact/double_network.h"
#include "run_helpers.h"
#include "statistical_error.h"

namespace orven::double_sim {
namespace {

using testing::runFor;
using testing::setupFor;

constexpr std::array<int, kFields> kDefaultPopulations = {5, 5, 5, 5};
constexpr float kLongRun = 1.0e6f;
constexpr float kShortRun = 1.0e5f;
constexpr int kReplications = 8;
constexpr double kStandardErrors = 4.0;

// P(1..6, 0..Nmax) row after row, then p24(0..Nmax), X1 and X2.
std::vector<double> simulateEstimates(int experiment, float length, std::uint64_t seed) {
    const RunSetup setup = setupFor(kDefaultPopulations, experiment);
    orven::testing::ScriptedPlatform platform(seed);
    platform.drawDirectly();
    RunState run;
    runFor(setup, run, platform, length);
    const Estimates estimates = estimate(run);
    std::vector<double> values;
    for (int row = 1; row <= kSumRow; ++row)
        for (const Fixed4 p : estimates.P.row(row)) values.push_back(p.toDouble());
    values.push_back(estimates.X1.toDouble());
    values.push_back(estimates.X2.toDouble());
    return values;
}

// The same quantities from the exact solution of the simulator's own rate table.
std::vector<double> exactValues(int experiment) {
    const RunSetup setup = setupFor(kDefaultPopulations, experiment);
    exact::RateTable rates;
    for (int k = 1; k <= kSources; ++k) {
        const auto row = setup.mu.row(k);
        rates.emplace_back(row.begin(), row.end());
    }
    const exact::DoubleNetworkSolution solution = exact::solveDoubleNetwork(
        std::vector<int>(kDefaultPopulations.begin(), kDefaultPopulations.end()), rates);
    std::vector<double> values;
    for (int k = 1; k <= kQueues; ++k)
        for (int n = 0; n <= setup.Nmax; ++n) values.push_back(solution.P(k, n));
    for (int s = 0; s <= setup.Nmax; ++s) {
        const auto& sums = solution.sumOfQueues2And5;
        values.push_back(static_cast<std::size_t>(s) < sums.size() ? sums[s] : 0.0);
    }
    values.push_back(solution.throughputs[0]);
    values.push_back(solution.throughputs[1]);
    return values;
}

class LongRunTest : public ::testing::TestWithParam<int> {};

TEST_P(LongRunTest, EveryEstimateLiesWithinItsStatisticalErrorOfTheExactValue) {
    const int experiment = GetParam();
    const auto estimator = [experiment](float length, std::uint64_t seed) {
        return simulateEstimates(experiment, length, seed);
    };
    // Replications of a tenth of the long run's length give the spread of a short run.
    const std::vector<double> errors =
        sim::testing::standardErrors(estimator, kLongRun, kShortRun, kReplications, 500);
    sim::testing::expectWithinErrors(estimator(kLongRun, 1), exactValues(experiment), errors,
                                     kStandardErrors, 0.005);
}

INSTANTIATE_TEST_SUITE_P(DefaultPopulations, LongRunTest, ::testing::Values(0, 1, 2));

}  // namespace
}  // namespace orven::double_sim
