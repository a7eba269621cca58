#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>

#include "orven/sim/first_smallest.h"
#include "orven/sim/source_rates.h"

namespace orven::sim {
namespace {

float divided(double x, double rate) {
    return static_cast<float>(x / rate);
}

float multiplied(double x, double rate) {
    const SourceRates rates(std::array{rate}, 1);
    return timeAt(rates.levels()[0], x);
}

TEST(QuotientAsFloat, RoundsAsTheDivisionDoes) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> logRate(-30.0, 30.0);
    std::uniform_int_distribution<std::uint32_t> draw(0, (1U << 24) - 1);
    for (int k = 0; k < 2'000'000; ++k) {
        const double rate = std::exp(logRate(random));
        const double x = -std::log(static_cast<double>(draw(random) + 1) * 0x1p-24);
        ASSERT_EQ(multiplied(x, rate), divided(x, rate)) << x << " / " << rate;
    }
    // Quotients a hair from halfway between two floats, where the product alone could round
    // the other way; and rates whose reciprocal or quotient leaves the normal numbers.
    std::uniform_real_distribution<float> quotient(1e-6f, 1e6f);
    for (int k = 0; k < 200'000; ++k) {
        const float q = quotient(random);
        const double halfway =
            (static_cast<double>(q) + static_cast<double>(std::nextafter(q, 2e6f))) / 2.0;
        const double rate = std::exp(logRate(random) / 10.0);
        for (const double target :
             {std::nextafter(halfway, 0.0), halfway, std::nextafter(halfway, 1e300)}) {
            const double x = target * rate;
            ASSERT_EQ(multiplied(x, rate), divided(x, rate)) << x << " / " << rate;
        }
    }
    for (const double rate : {1e-310, 1e-200, 1e-40, 1e40, 1e300})
        for (const double x : {5.96e-8, 0.5, 4.6, 16.6})
            EXPECT_EQ(multiplied(x, rate), divided(x, rate)) << x << " / " << rate;
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
        {{0.3f, 0.1f, 0.2f, 0.0f}, 0b0111, 2},  // source 4 draws nothing
        {{0.3f, 0.1f, 0.2f, 0.0f}, 0b0101, 3},  // nor does source 2
        {{0.5f, 0.5f, 0.5f, 0.5f}, 0b1100, 3},
        {{inf, inf, inf, inf}, 0b0100, 3},  // sends, however long its time
        {{inf, 2.0f, inf, inf}, 0b1001, 1},
        {{0.1f, 0.1f, 0.1f, 0.1f}, 0b0000, 0},
    };
    for (const Case& c : cases) {
        const Winner winner = firstSmallest(c.times, c.senders);
        EXPECT_EQ(winner.source, c.source) << c.senders;
        if (c.source != 0) {
            EXPECT_EQ(winner.time, c.times[static_cast<std::size_t>(c.source - 1)]);
        }
    }
}

}  // namespace
}  // namespace orven::sim
