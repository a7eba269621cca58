#include "orven/double_solver/equivalent.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace orven::double_solver {

namespace {

// 0.5 to the power of any distance beyond this is below half the smallest double: exactly 0.
// (From about 1075 on; the margin covers the rounding of the distance itself.)
constexpr double kVanishingDistance = 1200;

// 0.5^j for whole j, down to the smallest double.
constexpr int kSmallestPowerOfHalf = 1074;
const std::array<double, kSmallestPowerOfHalf + 1>& powersOfHalf() {
    static const auto powers = [] {
        std::array<double, kSmallestPowerOfHalf + 1> p{};
        for (int j = 0; j <= kSmallestPowerOfHalf; ++j) p[j] = std::ldexp(1.0, -j);
        return p;
    }();
    return powers;
}

// Whether every distance is a whole number, which then costs no call of std::pow.
bool wholeDistances(double K1S1, double S4) {
    constexpr double exactWhole = 0x1p52;  // beyond it the distance could be rounded
    return std::fabs(K1S1) < exactWhole && std::fabs(S4) < exactWhole && K1S1 == std::floor(K1S1) &&
           S4 == std::floor(S4);
}

}  // namespace

void equivalent(aggregation::SolverState& state, int N1, int N4, double K1S1, double S4) {
    const int merged = state.N[1];
    const bool whole = wholeDistances(K1S1, S4);
    const auto& half = powersOfHalf();
    std::vector<double> mueq(static_cast<std::size_t>(state.Nmax) + 1, 0.0);
    for (int n = 1; n < merged; ++n) {
        int lo = std::max(0, n - N4);
        int hi = std::min(n, N1);
        // The distance is about |K1S1 - S4 + n - 2k|: only the splits within kVanishingDistance
        // of the balance add anything, so large populations cost a few hundred terms per n
        // rather than N1 (the sum is the same to the last bit: the others add exactly 0).
        const double balance = K1S1 - S4 + n;
        if (std::isfinite(balance)) {
            const double from = std::max<double>(lo, std::ceil((balance - kVanishingDistance) / 2));
            const double to = std::min<double>(hi, std::floor((balance + kVanishingDistance) / 2));
            lo = from <= to ? static_cast<int>(from) : 1;
            hi = from <= to ? static_cast<int>(to) : 0;
        }
        double sum = 0;
        for (int k = lo; k <= hi; ++k) {
            const double distance = std::abs((K1S1 - k) - (S4 - (n - k)));
            double weight = 0;
            if (!whole)
                weight = std::pow(0.5, distance);
            else if (distance <= kSmallestPowerOfHalf)
                weight = half[static_cast<std::size_t>(distance)];
            sum += weight * state.mu(1, k);
        }
        mueq[static_cast<std::size_t>(n)] = sum;
    }
    for (int n = 1; n <= state.Nmax; ++n) state.mu(1, n) = mueq[static_cast<std::size_t>(n)];
}

}  // namespace orven::double_solver
