#include <gtest/gtest.h>

#include <vector>

#include "case_name.h"
#include "orven/double_sim/setup.h"
#include "orven/exact/experiment_rates.h"
#include "scripted_platform.h"

namespace orven::double_sim {
namespace {

using namespace Qt::StringLiterals;
using Rows = std::array<std::vector<double>, kSources>;

std::vector<double> rowOf(const RateTable& mu, int source) {
    const auto row = mu.row(source);
    return {row.begin(), row.end()};
}

struct SetupCase {
    const char* name;
    PopulationTexts texts;
    int experiment;
    std::array<double, kQueues> limits;  // N(1..6)
    int nmax;
    Rows rates;
};

void PrintTo(const SetupCase& c, std::ostream* out) {
    *out << c.name;
}

class InitiateTest : public ::testing::TestWithParam<SetupCase> {};

TEST_P(InitiateTest, ReadsTheFieldsAndFillsTheRatesOfTheOption) {
    const SetupCase& c = GetParam();
    orven::testing::ScriptedPlatform platform;
    const RunSetup setup = initiate(c.texts, c.experiment, platform);
    for (int k = 1; k <= kQueues; ++k) EXPECT_EQ(setup.N[k], c.limits[k - 1]) << "N(" << k << ")";
    EXPECT_EQ(setup.Nmax, c.nmax);
    for (int k = 1; k <= kSources; ++k) EXPECT_EQ(rowOf(setup.mu, k), c.rates[k - 1]) << k;
    EXPECT_EQ(platform.uniformDraws(), 0) << "preset rates draw nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InitiateTest,
    ::testing::Values(
        // "3o Πείραμα": queue 5 reads Text1 and queue 6 Text3 again.
        SetupCase{"ThirdOption",
                  {u"3"_s, u"5"_s, u"4"_s, u"2"_s},
                  1,
                  {3, 5, 4, 2, 3, 4},
                  5,
                  {{{1, 1, 1, 0, 0, 0},
                    {0.5, 0.5, 0.5, 0.5, 0.5, 0},
                    {0.25, 0.25, 0.25, 0.25, 0, 0},
                    {0.125, 0.125, 0, 0, 0, 0}}}},
        SetupCase{"LenientTexts",
                  {u"4abc"_s, u"abc"_s, QString(), u" 2"_s},
                  0,
                  {4, 0, 0, 2, 4, 0},
                  4,
                  {{{1, 1, 1, 1, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {1, 1, 0, 0, 0}}}}),
    sim::testing::CaseName());

// The exact solution keeps its own copy of the options' rates; the two must agree.
TEST(PresetRatesTest, TheExactSolutionUsesTheSameRates) {
    const std::vector<int> populations = {3, 5, 4, 2};
    orven::testing::ScriptedPlatform platform;
    for (int experiment = 0; experiment <= 2; ++experiment) {
        const RunSetup setup = initiate({u"3"_s, u"5"_s, u"4"_s, u"2"_s}, experiment, platform);
        const exact::RateTable copy = exact::doubleSimulatorRates(experiment, populations);
        for (int k = 1; k <= kSources; ++k)
            for (int n = 0; n < populations[k - 1]; ++n)
                EXPECT_DOUBLE_EQ(copy[k - 1][n], setup.mu(k, n)) << experiment << ", " << k;
    }
}

}  // namespace
}  // namespace orven::double_sim
