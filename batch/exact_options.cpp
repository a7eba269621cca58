#include "exact_options.h"

#include <CLI/CLI.hpp>
#include <QFile>
#include <QString>
#include <algorithm>
#include <nlohmann/json.hpp>

#include "common_options.h"
#include "orven/exact/experiment_rates.h"

namespace orven::batch {

namespace {

// A rate table given as JSON, in the text itself or in the file it names: one array of rates
// per class (source), the rate with 0, 1, ... jobs waiting.
exact::RateTable rateTableOption(const std::string& text) {
    std::string json = text;
    if (json.find('[') == std::string::npos) {
        QFile file(QString::fromStdString(text));
        if (!file.open(QIODevice::ReadOnly))
            throw CLI::ValidationError("--rates", "no preset and no file named " + text);
        json = file.readAll().toStdString();
    }
    try {
        return nlohmann::json::parse(json).get<exact::RateTable>();
    } catch (const nlohmann::json::exception&) {
        throw CLI::ValidationError("--rates",
                                   "a rate table is a JSON array of one array of rates per class, "
                                   "for example [[1,1,1],[0.5,0.5],[1,1,1,1]]");
    }
}

}  // namespace

bool isPresetName(const std::string& rates) {
    return rates == "simulator" || rates == "solver";
}

std::vector<int> exactSimplePopulations(const std::string& text) {
    const auto classes = static_cast<std::size_t>(std::count(text.begin(), text.end(), ',')) + 1;
    if (classes < 2 || classes > 4) {
        throw CLI::ValidationError("--populations", "give 2, 3 or 4 populations");
    }
    return parsePopulations(text, classes);
}

exact::RateTable ratesFor(const ExactOptions& options, const std::vector<int>& populations,
                          exact::Network network) {
    if (!isPresetName(options.rates)) return rateTableOption(options.rates);
    if (network == exact::Network::Simple)
        // The simple network's solver and simulator share their presets.
        return exact::simpleSimulatorRates(options.experiment, populations);
    return options.rates == "solver" ? exact::doubleSolverRates(options.experiment, populations)
                                     : exact::doubleSimulatorRates(options.experiment, populations);
}

std::string ratesName(const ExactOptions& options) {
    return isPresetName(options.rates) ? options.rates : "table";
}

}  // namespace orven::batch
