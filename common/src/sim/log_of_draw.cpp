#include "orven/sim/log_of_draw.h"

#include <cmath>

namespace orven::sim {

namespace {

std::array<LogInterval, 128> intervals() {
    std::array<LogInterval, 128> table{};
    for (std::uint32_t i = 0; i < table.size(); ++i) {
        const auto from = static_cast<double>(std::bit_cast<float>(0x3f330000U + (i << 16)));
        const auto to = static_cast<double>(std::bit_cast<float>(0x3f330000U + ((i + 1) << 16)));
        // The interval just below 1 takes c = 1, so that ln u near 1 keeps all its digits.
        const double c = from < 1.0 && to >= 1.0 ? 1.0 : (from + to) / 2;
        // 29 significant bits: z (24 bits) times 1/c is exact in double precision.
        const std::uint64_t kept =
            std::bit_cast<std::uint64_t>(1.0 / c) & ~((std::uint64_t{1} << 24) - 1);
        const double inverse = std::bit_cast<double>(kept);
        table[i] = {inverse, -std::log(inverse)};
    }
    return table;
}

}  // namespace

const std::array<LogInterval, 128> kLogIntervals = intervals();

}  // namespace orven::sim
