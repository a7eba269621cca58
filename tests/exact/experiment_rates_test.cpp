#include <gtest/gtest.h>

#include "orven/exact/experiment_rates.h"

using namespace orven::exact;

TEST(ExperimentRates, FollowTheSimulatorsNumberingAndPopulations) {
    struct Case {
        bool doubleNetwork;
        int experiment;
        std::vector<int> populations;
        RateTable expected;
    };
    const std::vector<Case> cases{
        {false, 0, {5, 5, 5}, {{1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 1, 0}}},
        {false, 1, {3, 5, 2}, {{1, 1, 1, 0}, {0.5, 0.5, 0.5, 0.5, 0.5, 0}, {0.25, 0.25, 0}}},
        {false, 2, {1, 1, 1, 1}, {{1, 0}, {1 / 1.1, 0}, {1 / 1.2, 0}, {1 / 1.3, 0}}},
        {true,
         1,
         {3, 5, 4, 2},
         {{1, 1, 1, 0},
          {0.5, 0.5, 0.5, 0.5, 0.5, 0},
          {0.25, 0.25, 0.25, 0.25, 0},
          {0.125, 0.125, 0}}},
        {true, 2, {1, 2, 1, 1}, {{1, 0}, {1 / 1.1, 1 / 1.1, 0}, {1 / 1.2, 0}, {1 / 1.3, 0}}},
    };
    for (const Case& c : cases) {
        const RateTable rates = c.doubleNetwork ? doubleSimulatorRates(c.experiment, c.populations)
                                                : simpleSimulatorRates(c.experiment, c.populations);
        EXPECT_EQ(rates, c.expected) << "experiment " << c.experiment;
    }
}

TEST(ExperimentRates, TheSolversPresetsSwapStreamsThreeAndFive) {
    const RateTable expected{{1, 1, 1, 0},
                             {0.5, 0.5, 0.5, 0.5, 0.5, 0},
                             {0.125, 0.125, 0.125, 0.125, 0},
                             {0.25, 0.25, 0}};
    EXPECT_EQ(doubleSolverRates(1, {3, 5, 4, 2}), expected);
}
