#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <span>

#include "orven/sim/state_table.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orven::sim {

// The rates of a network's sources as its steps read them: a table laid out as the run's time
// table (one row per queue, one column per length 0..nmax), in which the row of the queue whose
// length sets a source's level holds the source's rate at each level where it sends and
// kNoSend where it does not. A step then finds, from each queue's place in the time table,
// both the queue's time entry and the rate of the source whose level it is; a source that
// does not send gets an infinite time from its rate, and so never wins.
inline constexpr double kNoSend = 0.0;

// Fills `row` of `table` from a source's rates by level 0..nmax: the levels below `limit` with
// a rate above 0 send (a rate that is not a number does not).
void setSendingRates(RateTable& table, int row, std::span<const double> rates, int limit);

// The rates of a step's sources 1 to at most 4, two to a register where there are such.
struct StepRates {
#if defined(__SSE2__)
    __m128d low;   // sources 1 and 2
    __m128d high;  // sources 3 and 4
#else
    std::array<double, 4> rate;
#endif
};

// The exponential times of a step's sources, one lane each.
#if defined(__SSE2__)
using Times = __m128;
#else
using Times = std::array<float, 4>;
#endif

#if defined(__SSE2__)
namespace detail {
// The rates of sources K + 1 and K + 2, kNoSend beyond the sources.
template <std::size_t K, std::size_t Sources>
__m128d ratePair(const double* rates, const std::array<std::ptrdiff_t, Sources>& at) {
    if constexpr (K + 1 < Sources)
        return _mm_set_pd(rates[at[K + 1]], rates[at[K]]);
    else if constexpr (K < Sources)
        return _mm_set_pd(kNoSend, rates[at[K]]);
    else
        return _mm_set1_pd(kNoSend);
}
}  // namespace detail
#endif

// The rates of sources k = 1 to Sources at places at[k - 1] of a table filled by
// setSendingRates; lanes beyond the sources read as not sending.
template <std::size_t Sources>
StepRates stepRates(const double* rates, const std::array<std::ptrdiff_t, Sources>& at) {
    static_assert(Sources >= 1 && Sources <= 4);
#if defined(__SSE2__)
    return {detail::ratePair<0>(rates, at), detail::ratePair<2>(rates, at)};
#else
    std::array<double, 4> rate{kNoSend, kNoSend, kNoSend, kNoSend};
    for (std::size_t k = 0; k < Sources; ++k) rate[k] = rates[at[k]];
    return {rate};
#endif
}

// The sources that send: bit k - 1 for source k.
inline unsigned sendersOf(const StepRates& rates) {
#if defined(__SSE2__)
    const __m128d none = _mm_set1_pd(kNoSend);
    return static_cast<unsigned>(_mm_movemask_pd(_mm_cmpgt_pd(rates.low, none))) |
           (static_cast<unsigned>(_mm_movemask_pd(_mm_cmpgt_pd(rates.high, none))) << 2);
#else
    unsigned senders = 0;
    for (std::size_t k = 0; k < 4; ++k)
        senders |= static_cast<unsigned>(rates.rate[k] > kNoSend) << k;
    return senders;
#endif
}

// The times x[k - 1] / rate of sources k = 1 to Sources in single precision, divided two at a
// time: the divisions lie on the chain from one step to the next. Given draws above 0, as
// every draw is, a source that does not send, and every lane beyond the sources, gets an
// infinite time.
template <std::size_t Sources>
Times timesAt(const StepRates& rates, const std::array<double, Sources>& x) {
    static_assert(Sources >= 1 && Sources <= 4);
    std::array<double, 4> draw{1.0, 1.0, 1.0, 1.0};
    for (std::size_t k = 0; k < Sources; ++k) draw[k] = x[k];
#if defined(__SSE2__)
    const __m128 low = _mm_cvtpd_ps(_mm_div_pd(_mm_set_pd(draw[1], draw[0]), rates.low));
    if constexpr (Sources <= 2)
        return _mm_movelh_ps(low, _mm_set1_ps(std::numeric_limits<float>::infinity()));
    else
        return _mm_movelh_ps(low,
                             _mm_cvtpd_ps(_mm_div_pd(_mm_set_pd(draw[3], draw[2]), rates.high)));
#else
    Times times{};
    for (std::size_t k = 0; k < 4; ++k) times[k] = static_cast<float>(draw[k] / rates.rate[k]);
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
