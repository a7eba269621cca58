#include "orven/preset_rates.h"

#include <array>

namespace orven {

namespace {

constexpr std::array<std::array<double, kPresetClasses>, 3> kPresetRates{{
    {1.0, 1.0, 1.0, 1.0},
    {1.0, 1.0 / 2.0, 1.0 / 4.0, 1.0 / 8.0},
    {1.0, 1.0 / 1.1, 1.0 / 1.2, 1.0 / 1.3},
}};

}  // namespace

double presetRate(int code, int index) {
    if (code < 0 || code >= static_cast<int>(kPresetRates.size())) return 0;
    if (index < 1 || index > kPresetClasses) return 0;
    return kPresetRates[static_cast<std::size_t>(code)][static_cast<std::size_t>(index - 1)];
}

}  // namespace orven
