#include "orven/simple_sim/setup.h"

#include "orven/number_text.h"
#include "orven/sim/populations.h"

namespace orven::simple_sim {

QString populationHeading(int source) {
    return QStringLiteral("Ν") + QString::number(source);
}

std::optional<QString> populationProblem(const std::array<QString, kSources>& populationTexts) {
    std::array<QString, kSources> headings;
    for (int i = 1; i <= kSources; ++i)
        headings[static_cast<std::size_t>(i - 1)] = populationHeading(i);
    return sim::populationProblem(populationTexts, headings);
}

RunSetup initiate(const std::array<QString, kSources>& populationTexts, int experiment,
                  Platform& platform) {
    RunSetup setup;
    for (int i = 1; i <= kSources; ++i)
        setup.N[i] = numberFromText(populationTexts[static_cast<std::size_t>(i - 1)]);
    setup.Nmax = sim::largestPopulation(setup.N);
    setup.mu = RateTable(kSources, setup.Nmax);
    setup.experiment = experiment;
    sim::fillRates(setup.mu, experiment, setup.N, platform);
    return setup;
}

}  // namespace orven::simple_sim
