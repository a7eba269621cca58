#pragma once

#include <array>
#include <bit>
#include <cstddef>

#include "orven/sim/source_rates.h"

namespace orven::sim {

// The winner of a step: a source numbered from 1 (0 when no source sends) and its time.
struct Winner {
    int source = 0;
    float time = 0.0f;
};

// `times` where the source's bit is set in `senders` (bit k for source k + 1), `other` where
// it is not.
inline Times onlySenders(Times times, unsigned senders, float other) {
#if defined(__SSE2__)
    const __m128i bit = _mm_setr_epi32(1, 2, 4, 8);
    const __m128 sending = _mm_castsi128_ps(
        _mm_cmpeq_epi32(_mm_and_si128(_mm_set1_epi32(static_cast<int>(senders)), bit), bit));
    return _mm_or_ps(_mm_and_ps(sending, times), _mm_andnot_ps(sending, _mm_set1_ps(other)));
#else
    for (std::size_t k = 0; k < times.size(); ++k)
        if (((senders >> k) & 1U) == 0) times[k] = other;
    return times;
#endif
}

// Among the sources whose bit is set in `senders` (bit k for source k + 1, at most four), the
// one with the smallest time in `times`, the lower-numbered on a tie; a source that sends wins
// even with an infinite time. The lanes of the others must hold +inf, as timesAt gives them.
// Which source wins is a coin toss, so it is worked out without branches: a wrong guess would
// cost more than the whole choice, and would also throw away the draws worked out ahead of it.
inline Winner firstSmallest(Times times, unsigned senders) {
#if defined(__SSE2__)
    __m128 smallest = _mm_min_ps(times, _mm_shuffle_ps(times, times, _MM_SHUFFLE(2, 3, 0, 1)));
    smallest = _mm_min_ps(smallest, _mm_shuffle_ps(smallest, smallest, _MM_SHUFFLE(1, 0, 3, 2)));
    const unsigned at =
        static_cast<unsigned>(_mm_movemask_ps(_mm_cmpeq_ps(times, smallest))) & senders;
    if (at == 0) return {};
    return {std::countr_zero(at) + 1, _mm_cvtss_f32(smallest)};
#else
    Winner winner;
    for (int k = 0; k < 4; ++k) {
        if (((senders >> k) & 1U) == 0) continue;
        if (winner.source == 0 || times[static_cast<std::size_t>(k)] < winner.time)
            winner = {k + 1, times[static_cast<std::size_t>(k)]};
    }
    return winner;
#endif
}

// What a run keeps of its last step after a run of steps: the times drawn, `notDrawn` for the
// sources that drew nothing (entry 0 unused), and the winner with its time when a step was made.
template <std::size_t Entries>
void keepLastStep(Times times, unsigned senders, float notDrawn, const Winner& lastWinner,
                  unsigned made, std::array<float, Entries>& t, int& kmin, float& tmin) {
    const std::array<float, 4> drawn = asArray(onlySenders(times, senders, notDrawn));
    for (std::size_t k = 1; k < Entries; ++k) t[k] = drawn[k - 1];
    if (made > 0) {
        kmin = lastWinner.source;
        tmin = lastWinner.time;
    }
}

}  // namespace orven::sim
