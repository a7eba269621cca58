#include <gtest/gtest.h>

#include <vector>

#include "orven/simple_sim/experiments.h"
#include "orven/simple_sim/setup.h"
#include "run_helpers.h"
#include "scripted_platform.h"

namespace orven::simple_sim {
using namespace Qt::StringLiterals;
namespace {

using Texts = std::array<QString, kSources>;

std::vector<double> rowOf(const RateTable& mu, int source) {
    const auto row = mu.row(source);
    return {row.begin(), row.end()};
}

struct SetupCase {
    const char* name;
    Texts texts;
    int experiment;
    std::array<double, 3> populations;
    int nmax;
    std::array<std::vector<double>, 3> rates;
};

void PrintTo(const SetupCase& c, std::ostream* out) {
    *out << c.name;
}

class InitiateTest : public ::testing::TestWithParam<SetupCase> {};

TEST_P(InitiateTest, ReadsPopulationsAndFillsTheRateTable) {
    const SetupCase& c = GetParam();
    orven::testing::ScriptedPlatform platform;
    const RunSetup setup = initiate(c.texts, c.experiment, platform);
    for (int i = 1; i <= kSources; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(setup.N[i], c.populations[i - 1]);
        EXPECT_EQ(rowOf(setup.mu, i), c.rates[i - 1]);
    }
    EXPECT_EQ(setup.Nmax, c.nmax);
    EXPECT_EQ(platform.uniformDraws(), 0) << "preset rates draw nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InitiateTest,
    ::testing::Values(
        SetupCase{"Defaults",
                  {u"5"_s, u"5"_s, u"5"_s},
                  0,
                  {5, 5, 5},
                  5,
                  {{{1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 1, 0}}}},
        SetupCase{"UnequalPopulationsSecondExperiment",
                  {u"3"_s, u"5"_s, u"2"_s},
                  1,
                  {3, 5, 2},
                  5,
                  {{{1, 1, 1, 0, 0, 0}, {0.5, 0.5, 0.5, 0.5, 0.5, 0}, {0.25, 0.25, 0, 0, 0, 0}}}},
        SetupCase{"ThirdExperiment",
                  {u"2"_s, u"2"_s, u"2"_s},
                  2,
                  {2, 2, 2},
                  2,
                  {{{1, 1, 0}, {1 / 1.1, 1 / 1.1, 0}, {1 / 1.2, 1 / 1.2, 0}}}},
        SetupCase{"LenientTexts",
                  {u"7abc"_s, u"abc"_s, QString()},
                  0,
                  {7, 0, 0},
                  7,
                  {{{1, 1, 1, 1, 1, 1, 1, 0}, {0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}}}},
        SetupCase{"HalfPopulationRoundsToEven",
                  {u"2.5"_s, u" 1"_s, u"1"_s},
                  0,
                  {2.5, 1, 1},
                  2,
                  {{{1, 1, 0}, {1, 0, 0}, {1, 0, 0}}}}),
    testing::CaseName());

TEST(RandomRatesTest, DrawsWithinTheBoundsOfEachSource) {
    orven::testing::ScriptedPlatform platform(7);
    // Source 1 rejects 0.05 and keeps 0.15; source 2 rejects 0.3 and keeps 0.45.
    platform.scriptUniforms({0.05f, 0.15f, 0.99f, 0.3f, 0.45f, 0.5f});
    const RunSetup setup = initiate({u"3"_s, u"3"_s, u"4"_s}, sim::kRandomExperiment, platform);
    EXPECT_EQ(setup.mu(1, 0), 1.0);
    EXPECT_FLOAT_EQ(static_cast<float>(setup.mu(1, 1)), 0.15f);
    EXPECT_FLOAT_EQ(static_cast<float>(setup.mu(1, 2)), 0.99f);
    EXPECT_EQ(setup.mu(1, 3), 0.0);
    EXPECT_FLOAT_EQ(static_cast<float>(setup.mu(2, 1)), 0.45f);
    EXPECT_FLOAT_EQ(static_cast<float>(setup.mu(2, 2)), 0.5f);
    for (int i = 1; i <= kSources; ++i) {
        EXPECT_EQ(setup.mu(i, 0), 1.0);
        const double floor = i == 1 ? 0.1 : 0.4;
        for (int j = 1; j < setup.N[i]; ++j) {
            EXPECT_GE(setup.mu(i, j), floor);
            EXPECT_LT(setup.mu(i, j), 1.0);
        }
        EXPECT_EQ(setup.mu(i, static_cast<int>(setup.N[i])), 0.0);
    }
    EXPECT_EQ(setup.mu(2, 4), 0.0) << "beyond the full queue stays 0";
}

TEST(ExperimentRatesTest, MatchesTheSetUpOfTheWindow) {
    orven::testing::ScriptedPlatform platform;
    for (int experiment = 0; experiment <= 2; ++experiment) {
        const RateTable mu = experimentRates(experiment, {3, 5, 2});
        const RunSetup setup = initiate({u"3"_s, u"5"_s, u"2"_s}, experiment, platform);
        EXPECT_EQ(mu, setup.mu) << experiment;
    }
}

struct PopulationCheck {
    Texts texts;
    const char* refusal;  // nullptr when accepted
};

TEST(PopulationProblemTest, NamesTheFirstBoxOutOfRange) {
    const std::vector<PopulationCheck> cases = {
        {{u"5"_s, u"5"_s, u"5"_s}, nullptr},
        {{u"1"_s, u"32767"_s, u" 7abc"_s}, nullptr},
        {{u"0"_s, u"5"_s, u"5"_s}, "Ο πληθυσμός Ν1 πρέπει να είναι ακέραιος από 1 έως 32767."},
        {{u"5"_s, u"2.5"_s, u"5"_s}, "Ο πληθυσμός Ν2 πρέπει να είναι ακέραιος από 1 έως 32767."},
        {{u"5"_s, u"5"_s, u"32768"_s}, "Ο πληθυσμός Ν3 πρέπει να είναι ακέραιος από 1 έως 32767."},
        {{u"5"_s, u"abc"_s, u"-1"_s}, "Ο πληθυσμός Ν2 πρέπει να είναι ακέραιος από 1 έως 32767."},
    };
    for (const auto& c : cases) {
        const auto problem = populationProblem(c.texts);
        if (c.refusal == nullptr) {
            EXPECT_FALSE(problem.has_value()) << problem.value_or(QString()).toStdString();
        } else {
            EXPECT_EQ(problem.value_or(QString()), QString::fromUtf8(c.refusal));
        }
    }
}

}  // namespace
}  // namespace orven::simple_sim
