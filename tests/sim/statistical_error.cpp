#include "statistical_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace orven::sim::testing {

std::vector<double> spreadOf(const std::vector<std::vector<double>>& runs, double shrink) {
    const auto count = static_cast<double>(runs.size());
    std::vector<double> spread(runs.front().size());
    for (std::size_t k = 0; k < spread.size(); ++k) {
        double mean = 0.0;
        for (const auto& run : runs) mean += run[k] / count;
        double squares = 0.0;
        for (const auto& run : runs) squares += (run[k] - mean) * (run[k] - mean);
        spread[k] = std::max(std::sqrt(squares / (count - 1)) / shrink, 1e-4);
    }
    return spread;
}

std::vector<double> standardErrors(const Estimator& estimator, float length, float replicaLength,
                                   int replications, std::uint64_t firstSeed) {
    std::vector<std::vector<double>> runs;
    for (int r = 0; r < replications; ++r)
        runs.push_back(estimator(replicaLength, firstSeed + static_cast<std::uint64_t>(r)));
    return spreadOf(runs, std::sqrt(static_cast<double>(length / replicaLength)));
}

void expectWithinErrors(const std::vector<double>& estimates, const std::vector<double>& exact,
                        const std::vector<double>& errors, double errorsAllowed, double noisiest) {
    ASSERT_EQ(estimates.size(), exact.size());
    ASSERT_EQ(errors.size(), exact.size());
    for (std::size_t k = 0; k < exact.size(); ++k) {
        EXPECT_LT(errors[k], noisiest) << "estimate " << k << " is too noisy to test";
        EXPECT_NEAR(estimates[k], exact[k], errorsAllowed * errors[k]) << "estimate " << k;
    }
}

}  // namespace orven::sim::testing
