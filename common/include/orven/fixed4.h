#pragma once

#include <QString>
#include <compare>
#include <cstdint>

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
    static Fixed4 fromDouble(double value);
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
    std::int64_t count_ = 0;
};

// Message and display forms of a fixed-point value: at most its four decimals.
QString messageForm(Fixed4 value);
QString displayForm(Fixed4 value, const QLocale& locale);
QString displayForm(Fixed4 value);

}  // namespace orven
