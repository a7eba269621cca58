#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "orven/aggregation/iteration.h"
#include "orven/simple/setup.h"
#include "scripted_platform.h"

using namespace orven;
using aggregation::IterationEnd;
using aggregation::SolverState;

namespace {

SolverState setUpModel(std::initializer_list<int> populations, int code) {
    std::array<QString, 5> texts;
    std::size_t k = 0;
    for (int n : populations) texts[k++] = QString::number(n);
    SolverState state;
    simple::initiate(state, QString::number(populations.size()), texts, code);
    return state;
}

struct Reference {
    std::initializer_list<int> populations;
    int code;
    double S;
    double tolerance;
};

}  // namespace

TEST(Iteration, ReproducesTheReferenceOutputs) {
    const Reference cases[] = {
        // Within half a unit of the fourth significant digit: the start is random.
        {{5, 5, 5}, 0, 0.8336, 5e-5},
        {{5, 5, 5}, 1, 0.2497, 5e-5},
        {{5, 5, 5}, 2, 0.7485, 5e-5},
        {{5, 3, 4}, 0, 0.8051, 5e-5},
        // Two classes: the class subsystems are exact.
        {{5, 5}, 0, 10.0 / 11.0, 1e-4},
    };
    for (const auto& c : cases) {
        for (std::uint64_t seed : {1u, 2u, 3u, 4u, 5u}) {
            orven::testing::ScriptedPlatform platform(seed);
            SolverState state = setUpModel(c.populations, c.code);
            const auto outcome = aggregation::iterate(state, platform);
            SCOPED_TRACE(::testing::Message() << "code " << c.code << " seed " << seed);
            EXPECT_EQ(outcome.end, IterationEnd::Converged);
            EXPECT_NEAR(outcome.S, c.S, c.tolerance) << outcome.iterations << " iterations";
        }
    }
}
