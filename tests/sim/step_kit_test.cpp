#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <random>

#include "orven/sim/exponential.h"
#include "orven/sim/first_smallest.h"
#include "orven/sim/source_rates.h"
#include "orven/sim/state_table.h"

namespace orven::sim {
namespace {

// Every draw there is: the logarithm a step uses stays within one unit in the last place of
// the library's, so that a time rounded to single precision can only differ from the one the
// library's would give where x / rate lies within a hair of halfway between two floats.
TEST(NegativeLog, WithinOneUnitInTheLastPlaceOfTheLibrarysOnEveryDraw) {
    std::int64_t differing = 0;
    for (std::uint32_t k = 1; k < (1U << 24); ++k) {
        const float u = static_cast<float>(k) * 0x1p-24f;
        const double ours = negativeLog(u);
        const double library = -std::log(static_cast<double>(u));
        const auto apart = std::bit_cast<std::int64_t>(ours) - std::bit_cast<std::int64_t>(library);
        if (apart != 0) ++differing;
        ASSERT_LE(std::abs(apart), 1) << k;
    }
    EXPECT_LT(differing, (1 << 24) / 3);
    EXPECT_EQ(negativeLog(0.0f), -std::log(0.01));
}

// Each source's lane holds its own draw over its own rate at its own place in the table, and
// a source that does not send (at its limit, or with a rate of 0) an infinite time, for one
// to four sources.
template <std::size_t Sources>
void expectTimesOfEachSource(std::mt19937_64& random) {
    constexpr int kNmax = 3;
    std::uniform_real_distribution<double> logRate(-5.0, 5.0);
    std::uniform_real_distribution<double> draw(1e-7, 17.0);
    RateTable rates(static_cast<int>(Sources), kNmax);
    for (int k = 1; k <= static_cast<int>(Sources); ++k) {
        const std::array<double, kNmax + 1> rate{std::exp(logRate(random)), 0.0,
                                                 std::exp(logRate(random)), 1.0};
        setSendingRates(rates, k, rate, kNmax);
    }
    for (int round = 0; round < 100; ++round) {
        std::array<std::ptrdiff_t, Sources> at{};
        std::array<double, Sources> x{};
        for (std::size_t k = 0; k < Sources; ++k) {
            at[k] = static_cast<std::ptrdiff_t>(k + 1) * (kNmax + 1) +
                    static_cast<std::ptrdiff_t>(random() % (kNmax + 1));
            x[k] = draw(random);
        }
        const StepRates step = stepRates<Sources>(rates.data(), at);
        const std::array<float, 4> times = asArray(timesAt<Sources>(step, x));
        const unsigned senders = sendersOf(step);
        for (std::size_t k = 0; k < 4; ++k) {
            const double rate = k < Sources ? rates.data()[at[k]] : 0.0;
            const bool sends =
                k < Sources && at[k] % (kNmax + 1) != 1 && at[k] % (kNmax + 1) != kNmax;
            EXPECT_EQ(((senders >> k) & 1U) != 0, sends) << Sources << " " << k;
            EXPECT_EQ(times[k], sends ? static_cast<float>(x[k] / rate)
                                      : std::numeric_limits<float>::infinity())
                << Sources << " " << k;
        }
    }
}

TEST(TimesAt, EachSourceDividesItsOwnDrawByItsOwnRate) {
    std::mt19937_64 random(11);
    expectTimesOfEachSource<1>(random);
    expectTimesOfEachSource<3>(random);
    expectTimesOfEachSource<4>(random);
}

TEST(FirstSmallest, TakesTheLowerNumberedOnATieAndOnlySourcesThatSend) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    struct Case {
        std::array<float, 4> times;
        unsigned senders;
        int source;
    };
    const Case cases[] = {
        {{0.3f, 0.1f, 0.2f, 0.4f}, 0b1111, 2},
        {{0.3f, 0.1f, 0.1f, 0.1f}, 0b1111, 2},  // a tie goes to the lower-numbered
        {{0.3f, 0.1f, 0.2f, inf}, 0b0111, 2},   // source 4 draws nothing
        {{0.3f, inf, 0.2f, inf}, 0b0101, 3},    // nor does source 2
        {{inf, inf, 0.5f, 0.5f}, 0b1100, 3},
        {{inf, inf, inf, inf}, 0b0100, 3},  // sends, however long its time
        {{inf, inf, inf, inf}, 0b1001, 1},
        {{inf, inf, inf, inf}, 0b0000, 0},
    };
    for (const Case& c : cases) {
        const Winner winner = firstSmallest(timesOf(c.times), c.senders);
        EXPECT_EQ(winner.source, c.source) << c.senders;
        if (c.source != 0) {
            EXPECT_EQ(winner.time, c.times[static_cast<std::size_t>(c.source - 1)]);
        }
    }
}

}  // namespace
}  // namespace orven::sim
