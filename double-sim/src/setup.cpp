#include "orven/double_sim/setup.h"

#include "orven/number_text.h"
#include "orven/sim/populations.h"

namespace orven::double_sim {

QString populationHeading(int field) {
    return QStringLiteral("Ν") + QString::number(field == kFields ? 5 : field);
}

std::optional<QString> populationProblem(const PopulationTexts& texts) {
    std::array<QString, kFields> headings;
    for (int field = 1; field <= kFields; ++field)
        headings[static_cast<std::size_t>(field - 1)] = populationHeading(field);
    return sim::populationProblem(texts, headings);
}

RunSetup initiate(const PopulationTexts& texts, int experiment, Platform& platform) {
    RunSetup setup;
    const auto field = [&texts](int index) {
        return numberFromText(texts[static_cast<std::size_t>(index - 1)]);
    };
    setup.N = {0.0, field(1), field(2), field(3), field(4), field(1), field(3)};
    setup.Nmax = sim::largestPopulation(setup.N);
    setup.mu = RateTable(kSources, setup.Nmax);
    setup.experiment = experiment;
    // Rows 1..4 of the rates follow the limits N(1..4) of the sources' own queues.
    sim::fillRates(setup.mu, experiment, setup.N, platform);
    return setup;
}

}  // namespace orven::double_sim
