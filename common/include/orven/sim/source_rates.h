#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orven::sim {

// One source's rates as a simulation step reads them, by level 0..nmax: its rate, and the
// source's bit where it sends at that level (0 where it does not). Built once per run, so that
// a step costs one load per source for both.
class SourceRates {
  public:
    struct Level {
        double rate;
        unsigned sends;
    };

    SourceRates() = default;
    // Levels below `limit` with a rate above 0 send; the others never draw. `bit` is the
    // source's bit in a step's set of senders.
    SourceRates(std::span<const double> rates, int limit, unsigned bit);

    const Level* levels() const { return levels_.data(); }

  private:
    std::vector<Level> levels_;
};

// The exponential times of a step's sources, one lane each (lanes beyond the sources are 0).
#if defined(__SSE2__)
using Times = __m128;
#else
using Times = std::array<float, 4>;
#endif

namespace detail {
#if defined(__SSE2__)
// Lanes K and K + 1 of timesAt, in the low half.
template <std::size_t K, std::size_t Sources>
__m128 timesPair(const std::array<const SourceRates::Level*, Sources + 1>& rates,
                 const std::array<int, Sources + 1>& level, const std::array<double, Sources>& x) {
    const auto rate = [&](std::size_t k) { return rates[k + 1][level[k + 1]].rate; };
    if constexpr (K + 1 < Sources)
        return _mm_cvtpd_ps(
            _mm_div_pd(_mm_set_pd(x[K + 1], x[K]), _mm_set_pd(rate(K + 1), rate(K))));
    else if constexpr (K < Sources)
        return _mm_cvtpd_ps(_mm_set_sd(x[K] / rate(K)));
    else
        return _mm_setzero_ps();
}
#endif
}  // namespace detail

// The times x[k - 1] / rate of sources k = 1 to at most 4, each at its level (entries 0 of
// `rates` and `level` unused), in single precision and divided two at a time: the divisions
// lie on the chain from one step to the next.
template <std::size_t Sources>
Times timesAt(const std::array<const SourceRates::Level*, Sources + 1>& rates,
              const std::array<int, Sources + 1>& level, const std::array<double, Sources>& x) {
    static_assert(Sources >= 1 && Sources <= 4);
#if defined(__SSE2__)
    return _mm_movelh_ps(detail::timesPair<0>(rates, level, x),
                         detail::timesPair<2>(rates, level, x));
#else
    Times times{};
    for (std::size_t k = 0; k < Sources; ++k)
        times[k] = static_cast<float>(x[k] / rates[k + 1][level[k + 1]].rate);
    return times;
#endif
}

inline Times timesOf(const std::array<float, 4>& values) {
#if defined(__SSE2__)
    return _mm_loadu_ps(values.data());
#else
    return values;
#endif
}

inline std::array<float, 4> asArray(Times times) {
#if defined(__SSE2__)
    std::array<float, 4> values{};
    _mm_storeu_ps(values.data(), times);
    return values;
#else
    return times;
#endif
}

}  // namespace orven::sim
