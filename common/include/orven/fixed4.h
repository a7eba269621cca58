#pragma once

#include <QString>
#include <cmath>
#include <compare>
#include <cstdint>

#if defined(__SSE2__) && defined(__x86_64__)
#include <emmintrin.h>
#endif

class QLocale;

namespace orven {

// Rounds to four decimals: value * 10000 to the nearest whole number, ties to even.
double roundTo4(double value);

// An exact multiple of 0.0001, held as a signed count of ten-thousandths. Every value stored in
// it or added to it is first taken to the nearest 0.0001. A NaN, an infinity or a magnitude of
// 9E+14 or more throws std::domain_error.
class Fixed4 {
  public:
    constexpr Fixed4() = default;
    // Inline: a simulation step credits its time through it.
    static Fixed4 fromDouble(double value) {
        // Within a signed 64-bit count with room to add; far beyond the longest accepted run.
        constexpr double limit = 9.0e18;
        const double scaled = value * 10000.0;
        // A NaN fails the comparison. No such value is ever meant to be counted: stop loudly
        // rather than record a number that no run produced.
        if (!(std::fabs(scaled) < limit)) [[unlikely]]
            outOfRange();
        return Fixed4(nearestCount(scaled));
    }
    static constexpr Fixed4 fromCount(std::int64_t count) { return Fixed4(count); }

    constexpr std::int64_t count() const { return count_; }
    double toDouble() const { return static_cast<double>(count_) / 10000.0; }

    Fixed4& operator+=(Fixed4 other) {
        count_ += other.count_;
        return *this;
    }
    Fixed4& operator+=(double value) { return *this += fromDouble(value); }
    friend Fixed4 operator+(Fixed4 a, Fixed4 b) { return a += b; }
    friend constexpr auto operator<=>(Fixed4, Fixed4) = default;

  private:
    constexpr explicit Fixed4(std::int64_t count) : count_(count) {}
    [[noreturn]] static void outOfRange();

    // std::llrint in the default rounding mode (to nearest, ties to even), without a call: the
    // processor's own conversion where there is one; else, for magnitudes below 2^51, adding
    // and taking away 1.5 * 2^52 leaves a sum whose last place is 1, so the addition rounds.
    static std::int64_t nearestCount(double x) {
#if defined(__SSE2__) && defined(__x86_64__)
        return _mm_cvtsd_si64(_mm_set_sd(x));
#else
        constexpr double shift = 0x1.8p52;
        if (std::fabs(x) < 0x1p51) [[likely]]
            return static_cast<std::int64_t>((x + shift) - shift);
        return static_cast<std::int64_t>(std::nearbyint(x));
#endif
    }
    std::int64_t count_ = 0;
};

// Message and display forms of a fixed-point value: at most its four decimals.
QString messageForm(Fixed4 value);
QString displayForm(Fixed4 value, const QLocale& locale);
QString displayForm(Fixed4 value);

}  // namespace orven
