#include "orven/simple_sim/setup.h"

#include <algorithm>
#include <cmath>

#include "orven/input_rules.h"
#include "orven/number_text.h"
#include "orven/simple_sim/experiments.h"

namespace orven::simple_sim {

QString populationHeading(int source) {
    return QStringLiteral("Ν") + QString::number(source);
}

std::optional<QString> populationProblem(const std::array<QString, kSources>& populationTexts) {
    for (int i = 1; i <= kSources; ++i) {
        if (!isValidPopulation(numberFromText(populationTexts[static_cast<std::size_t>(i - 1)])))
            return populationRangeMessage(populationHeading(i));
    }
    return std::nullopt;
}

RunSetup initiate(const std::array<QString, kSources>& populationTexts, int experiment,
                  Platform& platform) {
    RunSetup setup;
    for (int i = 1; i <= kSources; ++i) {
        setup.N[i] = numberFromText(populationTexts[static_cast<std::size_t>(i - 1)]);
        // The table is sized by Nmax; the cap keeps a stray huge box from sizing it.
        if (setup.N[i] > setup.Nmax)
            setup.Nmax = static_cast<int>(
                std::nearbyint(std::min(setup.N[i], static_cast<double>(kMaxPopulation))));
    }
    setup.mu = RateTable(setup.Nmax);
    if (isPresetExperiment(experiment)) {
        fillPresetRates(setup.mu, experiment, setup.N);
    } else if (experiment == kRandomExperiment) {
        drawRandomRates(setup.mu, setup.N, platform);
    }
    return setup;
}

}  // namespace orven::simple_sim
