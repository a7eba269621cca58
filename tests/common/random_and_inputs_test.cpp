#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
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

// The standard engine, reseeded the same way: what the generator must draw to the bit.
class StandardSource {
  public:
    explicit StandardSource(std::uint64_t seed) : engine_(seed) {}
    void reseed(std::uint64_t clock) {
        std::uint64_t value = clock + 0x9e3779b97f4a7c15ULL;
        value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
        value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
        engine_.seed(engine_() ^ value ^ (value >> 31));
    }
    float uniform() { return static_cast<float>(engine_() >> 40) * 0x1p-24f; }

  private:
    std::mt19937_64 engine_;
};

TEST(RandomSource, DrawsTheStandardMersenneTwisterWhateverTheReseeds) {
    // Runs of draws of every length between reseeds: one draw (a solver's first iteration),
    // a few, across the end of the first block after a reseed, and many blocks (a simulation).
    // A simulation's draws, worked out ahead as -ln(u) for the sources that send, come in
    // between: every kind of draw must still take the next number of the sequence.
    RandomSource ours(2024);
    StandardSource standard(2024);
    std::mt19937 lengths(3);
    for (int round = 0; round < 400; ++round) {
        const int run =
            round % 4 == 0 ? static_cast<int>(lengths() % 2000) : static_cast<int>(lengths() % 4);
        for (int k = 0; k < run; ++k) {
            if (round % 3 == 1) {
                // A simulation works draws out ahead after each step; a bare call finds its own.
                if (lengths() % 2 == 0) ours.workAhead<4>();
                const unsigned senders = lengths() % 16;
                const std::array<double, 4> x = ours.negativeLogsFor<4>(senders);
                for (std::size_t s = 0; s < 4; ++s) {
                    if (((senders >> s) & 1U) != 0) {
                        ASSERT_EQ(x[s], sim::negativeLog(standard.uniform())) << round;
                    }
                }
            } else {
                ASSERT_EQ(ours.uniform(), standard.uniform()) << round;
            }
        }
        const std::uint64_t clock = lengths() % 3 == 0 ? 42 : lengths();
        ours.reseed(clock);
        standard.reseed(clock);
    }
    for (int k = 0; k < 100000; ++k) ASSERT_EQ(ours.uniform(), standard.uniform()) << k;
}
