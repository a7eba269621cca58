#include "orven/sim/populations.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "orven/input_rules.h"
#include "orven/number_text.h"

namespace orven::sim {

std::optional<QString> populationProblem(std::span<const QString> texts,
                                         std::span<const QString> headings) {
    assert(texts.size() == headings.size());
    for (std::size_t k = 0; k < texts.size(); ++k) {
        if (!isValidPopulation(numberFromText(texts[k])))
            return populationRangeMessage(headings[k]);
    }
    return std::nullopt;
}

int largestPopulation(std::span<const double> N) {
    int nmax = 0;
    for (std::size_t k = 1; k < N.size(); ++k) {
        if (N[k] > nmax)
            nmax = static_cast<int>(
                std::nearbyint(std::min(N[k], static_cast<double>(kMaxPopulation))));
    }
    return nmax;
}

}  // namespace orven::sim
