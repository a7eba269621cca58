// The simulator's long-run estimates against the exact stationary distribution of the same
// network: the engine must estimate the quantities the chain defines, not merely something
// close to the aggregation method's approximation.
#include <gtest/gtest.h>

#include "orven/exact/experiment_rates.h"
#include "orven/exact/simple_network.h"
#include "orven/simple_sim/experiments.h"
#include "sampling.h"

namespace orven::simple_sim {
namespace {

using testing::simulateEstimates;

constexpr std::array<int, kSources> kDefaultPopulations = {5, 5, 5};
constexpr float kLongRun = 1.0e6f;
constexpr float kShortRun = 1.0e5f;
constexpr int kReplications = 8;
constexpr double kStandardErrors = 4.0;

// The same quantities from the exact solution of the simulator's own rate table.
std::vector<double> exactValues(int experiment) {
    const RateTable mu = experimentRates(experiment, kDefaultPopulations);
    exact::RateTable rates;
    for (int i = 1; i <= kSources; ++i) {
        const auto row = mu.row(i);
        rates.emplace_back(row.begin(), row.end());
    }
    const std::vector<int> populations(kDefaultPopulations.begin(), kDefaultPopulations.end());
    const exact::SimpleNetworkSolution solution = exact::solveSimpleNetwork(populations, rates);
    std::vector<double> values;
    for (int i = 1; i <= kSources; ++i)
        for (int j = 0; j <= mu.nmax(); ++j) values.push_back(solution.P(i, j));
    values.push_back(solution.throughput);
    return values;
}

class LongRunTest : public ::testing::TestWithParam<int> {};

TEST_P(LongRunTest, EveryEstimateLiesWithinItsStatisticalErrorOfTheExactValue) {
    const int experiment = GetParam();
    const auto estimator = [experiment](float length, std::uint64_t seed) {
        return simulateEstimates(kDefaultPopulations, experiment, length, seed);
    };
    // Replications of a tenth of the long run's length give the spread of a short run.
    const std::vector<double> errors =
        sim::testing::standardErrors(estimator, kLongRun, kShortRun, kReplications, 500);
    sim::testing::expectWithinErrors(estimator(kLongRun, 1), exactValues(experiment), errors,
                                     kStandardErrors, 0.005);
}

INSTANTIATE_TEST_SUITE_P(DefaultPopulations, LongRunTest, ::testing::Values(0, 1, 2));

// The exact solution keeps its own copy of the simulator's experiments for networks the
// simulator does not have; for three classes the two must not drift apart.
TEST(ExperimentRatesTest, TheExactSolutionUsesTheSimulatorsRates) {
    const std::vector<int> populations(kDefaultPopulations.begin(), kDefaultPopulations.end());
    for (int experiment = 0; experiment <= 2; ++experiment) {
        const RateTable mu = experimentRates(experiment, kDefaultPopulations);
        const exact::RateTable copy = exact::simpleSimulatorRates(experiment, populations);
        ASSERT_EQ(copy.size(), static_cast<std::size_t>(kSources));
        for (int i = 1; i <= kSources; ++i) {
            for (int n = 0; n < kDefaultPopulations[i - 1]; ++n)
                EXPECT_DOUBLE_EQ(copy[i - 1][n], mu(i, n)) << "experiment " << experiment;
        }
    }
}

}  // namespace
}  // namespace orven::simple_sim
