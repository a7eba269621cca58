#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "orven/input_rules.h"
#include "orven/random_source.h"

using namespace orven;

TEST(RandomSource, DrawsLieOnTheTwentyFourBitGridInUnitInterval) {
    RandomSource random(7);
    double sum = 0;
    for (int k = 0; k < 10000; ++k) {
        const float u = random.uniform();
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
        const double scaled = static_cast<double>(u) * 16777216.0;
        ASSERT_EQ(scaled, std::floor(scaled));
        sum += u;
    }
    EXPECT_NEAR(sum / 10000, 0.5, 0.02);
}

TEST(RandomSource, ReseedsWithTheSameClockStillNeverRepeat) {
    RandomSource random(1);
    std::set<float> firstDraws;
    for (int k = 0; k < 50; ++k) {
        random.reseed(42);
        firstDraws.insert(random.uniform());
    }
    EXPECT_EQ(firstDraws.size(), 50u);
}

TEST(RandomSource, ASeedReplaysTheSameSequence) {
    RandomSource a(99), b(99);
    a.reseed(5);
    b.reseed(5);
    for (int k = 0; k < 100; ++k) ASSERT_EQ(a.uniform(), b.uniform());
}

TEST(InputRules, PopulationsAreWholeNumbersFrom1To32767) {
    for (double ok : {1.0, 5.0, 32767.0}) EXPECT_TRUE(isValidPopulation(ok)) << ok;
    for (double bad : {0.0, -1.0, 2.5, 32768.0, 1e300}) EXPECT_FALSE(isValidPopulation(bad)) << bad;
    EXPECT_EQ(populationRangeMessage(QStringLiteral("N2")),
              QStringLiteral("Ο πληθυσμός N2 πρέπει να είναι ακέραιος από 1 έως 32767."));
}
