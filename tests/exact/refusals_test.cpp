#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "orven/exact/double_network.h"
#include "orven/exact/exact_error.h"
#include "orven/exact/experiment_rates.h"
#include "orven/exact/simple_network.h"

using namespace orven::exact;

namespace {

// The message of the ExactError that `run` throws, or "" when it throws none.
std::string refusalOf(const std::function<void()>& run) {
    try {
        run();
    } catch (const ExactError& error) {
        return error.what();
    }
    return "";
}

}  // namespace

TEST(Refusals, BadInputsAreRefusedWithAMessageNamingTheFault) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        std::function<void()> run;
        const char* expected;
    };
    const std::vector<Case> cases{
        {"one class",
         [] {
             solveSimpleNetwork({5}, {{1, 1, 1, 1, 1, 0}});
         },
         "2, 3 or 4 classes"},
        {"five classes",
         [] {
             solveSimpleNetwork({1, 1, 1, 1, 1}, RateTable(5, std::vector<double>{1, 0}));
         },
         "2, 3 or 4 classes"},
        {"population 0",
         [] {
             solveSimpleNetwork({5, 0}, {{1, 1, 1, 1, 1}, {1}});
         },
         "Population N2 must be a whole number from 1 to 32767"},
        {"population 32768",
         [] {
             solveSimpleNetwork({32768, 1}, {std::vector<double>(32768, 1.0), {1}});
         },
         "Population N1"},
        {"missing row",
         [] {
             solveSimpleNetwork({1, 1, 1}, {{1}, {1}});
         },
         "one row for each"},
        {"short row",
         [] {
             solveSimpleNetwork({3, 2}, {{1, 1}, {1, 1}});
         },
         "Row 1 of the rate table"},
        {"negative rate",
         [] {
             solveSimpleNetwork({2, 2}, {{1, 1}, {1, -0.5}});
         },
         "mu(2, 1) must be a finite number"},
        {"rate NaN",
         [nan] {
             solveDoubleNetwork({1, 1, 1, 1}, {{1}, {1}, {nan}, {1}});
         },
         "mu(3, 0)"},
        {"three populations for the double network",
         [] {
             solveDoubleNetwork({1, 1, 1}, {{1}, {1}, {1}});
         },
         "4 populations"},
        {"random experiment",
         [] {
             simpleSimulatorRates(3, {5, 5, 5});
         },
         "experiment must be 0, 1 or 2"},
        {"negative experiment",
         [] {
             doubleSimulatorRates(-1, {5, 5, 5, 5});
         },
         "experiment must be 0, 1 or 2"},
    };
    for (const Case& c : cases) {
        EXPECT_NE(refusalOf(c.run).find(c.expected), std::string::npos)
            << c.what << ": " << refusalOf(c.run);
    }
}

TEST(Refusals, ModelsAboveTheSizeBoundAreRefusedBeforeSolving) {
    const std::string bound = std::to_string(kMaxStates);
    // 61^4 - 60^4 = 885841 states, over the bound
    const std::vector<int> simple{60, 60, 60, 60};
    EXPECT_NE(refusalOf([&] {
                  solveSimpleNetwork(simple, simpleSimulatorRates(0, simple));
              }).find("more than " + bound + " reachable states"),
              std::string::npos);
    const std::vector<int> doubled{60, 60, 60, 60};
    EXPECT_NE(refusalOf([&] {
                  solveDoubleNetwork(doubled, doubleSimulatorRates(0, doubled));
              }).find("more than " + bound),
              std::string::npos);
}

// A source with rate 0 while its queue is empty never lets the station fire again: the network
// stops in a state it cannot leave, and no single long-run answer exists.
TEST(Refusals, ANetworkThatCanStopIsRefused) {
    EXPECT_NE(refusalOf([] {
                  solveSimpleNetwork({2, 2, 2}, {{1, 1}, {0, 1}, {1, 1}});
              }).find("never leaves again"),
              std::string::npos);
    EXPECT_NE(refusalOf([] {
                  solveDoubleNetwork({2, 2, 2, 2}, {{1, 1}, {1, 1}, {1, 1}, {0, 1}});
              }).find("never leaves again"),
              std::string::npos);
}

// A rate of 0 above level 0 only keeps the queue below that level; the rest of the network
// still has a single long-run behaviour.
TEST(Refusals, AZeroRateAboveLevelZeroOnlyShortensTheQueue) {
    const auto solution = solveSimpleNetwork({5, 5}, {{1, 1, 0, 1, 1}, {1, 1, 1, 1, 1}});
    EXPECT_EQ(solution.stateCount, 8u);  // n(1) stays at most 2
    EXPECT_EQ(solution.P(1, 3), 0.0);
}
