#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "orven/simple_solver/simple_solver.h"
#include "scripted_platform.h"

using namespace orven;
using aggregation::IterationEnd;
using orven::testing::ScriptedPlatform;
using simple_solver::SimpleSolver;
using solver_kit::StartEnd;

namespace {

bool mentionsNonFinite(const QString& text) {
    return text.contains(QStringLiteral("nan"), Qt::CaseInsensitive) ||
           text.contains(QStringLiteral("inf"), Qt::CaseInsensitive);
}

// Runs "start" with equal populations and checks that nothing shown or written is NaN or
// infinite. Returns the run's result.
solver_kit::StartResult runChecked(int population, int code, std::uint64_t seed) {
    SimpleSolver solver;
    solver.chooseExperiment(code);
    for (int k = 0; k < 3; ++k) solver.setPopulation(k, population);
    ScriptedPlatform platform(seed);
    const auto result = solver.start(platform);
    for (const auto& message : platform.messages()) EXPECT_FALSE(mentionsNonFinite(message.text));
    EXPECT_FALSE(mentionsNonFinite(result.output));
    const QString file =
        orven::testing::decodeResults(platform.resultsFile(QStringLiteral("ORVEN SIMPLE ")));
    EXPECT_FALSE(mentionsNonFinite(file));
    if (result.end == StartEnd::Completed) {
        EXPECT_TRUE(std::isfinite(result.iteration->S));
        for (const auto& rates : result.lists.rates) {
            for (const auto& item : rates) EXPECT_FALSE(mentionsNonFinite(item));
        }
    } else {
        EXPECT_EQ(result.end, StartEnd::Failed);
        EXPECT_TRUE(file.isEmpty());
    }
    return result;
}

}  // namespace

TEST(LargePopulations, TwoHundredJobsPerClassRunSoundlyForEverySeed) {
    struct Expectation {
        int code;
        int minimumConverged;
    };
    // Every seed converges; each S is then within the precision of the same balance, so two
    // of them differ by at most twice the precision.
    for (const Expectation e : {Expectation{0, 20}, Expectation{1, 20}, Expectation{2, 20}}) {
        std::vector<double> converged;
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            SCOPED_TRACE(::testing::Message() << "code " << e.code << " seed " << seed);
            const auto result = runChecked(200, e.code, seed);
            if (result.end != StartEnd::Completed) continue;
            const auto& outcome = *result.iteration;
            if (outcome.end == IterationEnd::Converged) {
                EXPECT_LT(outcome.error, 1e-4);
                converged.push_back(outcome.S);
            } else {
                EXPECT_TRUE(outcome.end == IterationEnd::CutOff ||
                            outcome.end == IterationEnd::LimitReached);
            }
        }
        EXPECT_GE(static_cast<int>(converged.size()), e.minimumConverged) << "code " << e.code;
        if (converged.empty()) continue;
        const auto [low, high] = std::minmax_element(converged.begin(), converged.end());
        EXPECT_LE(*high / *low - 1, 2e-4) << "code " << e.code;
    }
}

TEST(LargePopulations, AThousandJobsPerClassEndFiniteOrWithAClearFailure) {
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        runChecked(1000, 1, seed);
    }
}
