#include "rate_table_option.h"

#include <CLI/CLI.hpp>
#include <QFile>
#include <QString>
#include <algorithm>
#include <nlohmann/json.hpp>

namespace orven::batch {

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

std::string rateTableProblem(const exact::RateTable& rates, const std::vector<int>& populations) {
    // A short row or a missing one is the exact solution's to refuse; a longer row would lose
    // its end unseen.
    for (std::size_t i = 0; i < rates.size() && i < populations.size(); ++i) {
        const auto needed = static_cast<std::size_t>(populations[i]);
        if (rates[i].size() > needed)
            return "row " + std::to_string(i + 1) + " has " + std::to_string(rates[i].size()) +
                   " rates; population " + std::to_string(needed) + " needs " +
                   std::to_string(needed) + ", for 0 to " + std::to_string(needed - 1) +
                   " jobs waiting";
    }
    // Every queue starts empty: with no class sending its first job nothing ever happens, and
    // the one state of such a chain would pass for a steady state with throughput 0.
    if (std::none_of(rates.begin(), rates.end(),
                     [](const auto& row) { return !row.empty() && row[0] > 0; }))
        return "no class can ever be served: every rate with no job waiting is 0";
    return {};
}

}  // namespace orven::batch
