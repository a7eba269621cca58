#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "orven/double_solver/equivalent.h"
#include "orven/double_solver/setup.h"

using namespace orven;
using double_solver::StationPopulations;

namespace {

aggregation::SolverState setUp(const std::vector<double>& stations, int code) {
    solver_kit::RateChoice rates;
    rates.choosePreset(code);
    aggregation::SolverState state;
    double_solver::initiate(state, double_solver::stationPopulations(stations), rates);
    return state;
}

std::vector<double> rates(const aggregation::SolverState& state, int i) {
    const auto row = state.mu.row(i);
    return {row.begin(), row.end()};
}

}  // namespace

TEST(ReducedNetwork, SetUpMapsTheStationsOntoFourClasses) {
    // N1..N5 = 3, 4, 5, 2, 6: class 1 holds stations 1 and 4, then stations 2, 5 and 3.
    const auto state = setUp({3, 4, 5, 2, 6}, 1);
    EXPECT_EQ(state.R, 4);
    EXPECT_EQ(state.N, (std::vector<int>{0, 5, 4, 6, 5}));
    EXPECT_EQ(state.Nmax, 6);
    EXPECT_EQ(rates(state, 1), (std::vector<double>{1, 1, 1, 1, 1, 0, 0}));
    EXPECT_EQ(rates(state, 2), (std::vector<double>{.5, .5, .5, .5, 0, 0, 0}));
    EXPECT_EQ(rates(state, 3), (std::vector<double>{.25, .25, .25, .25, .25, .25, 0}));
    EXPECT_EQ(rates(state, 4), (std::vector<double>{.125, .125, .125, .125, .125, 0, 0}));

    // A field that holds no population counts as 0 and set-up still goes on.
    const auto broken = setUp({5, 0, 5, 2.5, 5}, 0);
    EXPECT_EQ(broken.N, (std::vector<int>{0, 5, 0, 5, 5}));
    EXPECT_EQ(broken.mu(2, 0), 0.0);
}

TEST(ReducedNetwork, TheEquivalentStationWeighsEverySplitOfTheMergedClass) {
    struct Case {
        std::vector<double> stations;
        double K1S1, S4;
        std::vector<double> mu1;
    };
    const Case cases[] = {
        // The defaults: splits weigh 0.5 to the power of their distance, not normalised.
        {{5, 5, 5, 5, 5}, 0, 0, {1, 1, 1.5, 1.25, 1.625, 1.3125, 1.625, 1.25, 1.5, 1, 0}},
        // N1 = 3, N4 = 2, offsets 2 and 1: at n = 3 the splits k = 1, 2, 3 weigh
        // 0.25 + 1 + 0.25.
        {{3, 5, 5, 2, 5}, 2, 1, {1, 1.25, 1.125, 1.5, 1, 0}},
        // Without station 4 only k = n is left, weighed by 0.5^|K1S1 - S4 - n|; another class
        // with more jobs leaves the entries beyond N(1) at 0.
        {{4, 5, 5, 0, 5}, 3, 1, {1, .5, 1, .5, 0, 0}},
    };
    for (const auto& c : cases) {
        auto state = setUp(c.stations, 0);
        const auto stations = double_solver::stationPopulations(c.stations);
        double_solver::equivalent(state, stations.station(1), stations.station(4), c.K1S1, c.S4);
        EXPECT_EQ(rates(state, 1), c.mu1) << c.stations[0] << ' ' << c.stations[3];
    }
}

TEST(ReducedNetwork, TheEquivalentStationOfLargePopulationsIsTheLiteralSumToTheLastBit) {
    // Far splits weigh 0.5^d with d in the thousands, which is exactly 0: leaving them out must
    // change no bit, whole offsets or not, and whichever side is the larger.
    struct Case {
        int N1, N4;
        double K1S1, S4;
    };
    for (const Case c : {Case{1500, 1500, 0, 0}, Case{1500, 1500, 700.25, 3.5},
                         Case{2600, 40, 2600, 0}, Case{30, 2600, 0.75, 2600}}) {
        auto state = setUp({double(c.N1), 5, 5, double(c.N4), 5}, 0);
        for (int k = 0; k <= c.N1; ++k) state.mu(1, k) = 1 + 0.1 * (k % 7);
        std::vector<double> expected(static_cast<std::size_t>(state.Nmax) + 1, 0.0);
        expected[0] = state.mu(1, 0);
        for (int n = 1; n < state.N[1]; ++n) {
            for (int k = std::max(0, n - c.N4); k <= std::min(n, c.N1); ++k) {
                const double d = std::abs((c.K1S1 - k) - (c.S4 - (n - k)));
                expected[static_cast<std::size_t>(n)] += std::pow(0.5, d) * state.mu(1, k);
            }
        }
        double_solver::equivalent(state, c.N1, c.N4, c.K1S1, c.S4);
        EXPECT_EQ(rates(state, 1), expected) << c.N1 << ' ' << c.N4 << ' ' << c.K1S1;
    }
}
