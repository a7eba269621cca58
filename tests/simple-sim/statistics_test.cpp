// The engine against the exact steady state of small networks, worked out by hand.
//
// N = (1, 1, 1): the states are the queue lengths with at least one queue empty: (000), three
// with one job and three with two. With rates a, b, c the balance equations give, for the
// first experiment (a = b = c = 1), pi(000) = 2/11, 1/11 for each one-job state and 2/11 for
// each two-job state, so P(i, 1) = 1/11 + 2 * 2/11 = 5/11 and the station fires at rate
// 3 * 2/11 = 6/11. For the second experiment (1, 1/2, 1/4) the unnormalised weights of
// (000), (100), (010), (001), (110), (101), (011) are 60, 80, 24, 10, 256, 60, 11 over 501, so
// P(1, 1) = 396/501, P(2, 1) = 291/501, P(3, 1) = 81/501 and X = (256/4 + 60/2 + 11)/501.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "run_helpers.h"
#include "sampling.h"

namespace orven::simple_sim {
namespace {

using testing::simulateEstimates;
using testing::spreadOf;

constexpr float kDefaultLength = 100000.0f;
constexpr int kReplications = 8;
constexpr double kStandardErrors = 4.0;

// The standard error of one run's estimates, from independent replications.
std::vector<double> standardErrors(std::array<int, kSources> populations, int experiment) {
    std::vector<std::vector<double>> runs;
    for (int r = 0; r < kReplications; ++r) {
        runs.push_back(simulateEstimates(populations, experiment, kDefaultLength,
                                         1000 + static_cast<std::uint64_t>(r)));
    }
    return spreadOf(runs);
}

struct ExactCase {
    const char* name;
    int experiment;
    std::array<double, kSources> busy;  // P(i, 1)
    double throughput;
};

void PrintTo(const ExactCase& c, std::ostream* out) {
    *out << c.name;
}

class AgainstExactTest : public ::testing::TestWithParam<ExactCase> {};

TEST_P(AgainstExactTest, EveryEstimateLiesWithinAFewStandardErrors) {
    const ExactCase& c = GetParam();
    std::vector<double> exact;
    for (const double busy : c.busy) {
        exact.push_back(1.0 - busy);
        exact.push_back(busy);
    }
    exact.push_back(c.throughput);

    const std::vector<double> errors = standardErrors({1, 1, 1}, c.experiment);
    const std::vector<double> estimates =
        simulateEstimates({1, 1, 1}, c.experiment, kDefaultLength, 1);
    ASSERT_EQ(estimates.size(), exact.size());
    for (std::size_t k = 0; k < exact.size(); ++k) {
        EXPECT_LT(errors[k], 0.01) << "estimate " << k << " is far too noisy to test";
        EXPECT_NEAR(estimates[k], exact[k], kStandardErrors * errors[k]) << "estimate " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    OneJobPerClass, AgainstExactTest,
    ::testing::Values(ExactCase{"EqualRates", 0, {5.0 / 11, 5.0 / 11, 5.0 / 11}, 6.0 / 11},
                      ExactCase{
                          "UnequalRates", 1, {396.0 / 501, 291.0 / 501, 81.0 / 501}, 105.0 / 501}),
    testing::CaseName());

TEST(SymmetryTest, EqualClassesGiveEqualColumnsWithinTheRandomError) {
    const std::vector<double> errors = standardErrors({5, 5, 5}, 0);
    const std::vector<double> estimates = simulateEstimates({5, 5, 5}, 0, kDefaultLength, 1);
    constexpr int columns = 6;
    for (int j = 0; j < columns; ++j) {
        for (int i = 1; i < kSources; ++i) {
            const std::size_t k = static_cast<std::size_t>(i * columns + j);
            const double error = std::hypot(errors[static_cast<std::size_t>(j)], errors[k]);
            EXPECT_NEAR(estimates[k], estimates[static_cast<std::size_t>(j)],
                        kStandardErrors * error)
                << "queue " << i + 1 << " length " << j;
        }
    }
}

}  // namespace
}  // namespace orven::simple_sim
