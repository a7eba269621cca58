#include "exact_comparison.h"

#include <algorithm>

namespace orven::batch {

ExactComparison compareWithExact(const exact::Request& request, const std::vector<double>& outputs,
                                 const std::vector<std::optional<double>>& standardErrors) {
    ExactComparison comparison;
    // The programs' reasons are Greek, for their windows; orven-batch speaks English. Only the
    // double solver's reduced network can stand for no network at all.
    if (std::holds_alternative<QString>(request)) {
        comparison.unavailable =
            QStringLiteral("The reduced network stands for a double network only when N1 = N4.");
        return comparison;
    }
    exact::Reference reference;
    try {
        reference = exact::solveModel(std::get<exact::Model>(request));
    } catch (const exact::ExactError& error) {
        comparison.unavailable = QString::fromUtf8(error.what());
        return comparison;
    }
    comparison.states = reference.stateCount;
    comparison.throughputs = reference.throughputs;
    for (std::size_t k = 0; k < outputs.size() && k < reference.throughputs.size(); ++k) {
        comparison.deviationPercent.push_back(
            exact::deviationPercent(outputs[k], reference.throughputs[k]));
        const std::optional<double> error =
            k < standardErrors.size() ? standardErrors[k] : std::nullopt;
        comparison.z.push_back(
            error && *error > 0.0
                ? std::optional<double>(exact::zScore(outputs[k], reference.throughputs[k], *error))
                : std::nullopt);
    }
    return comparison;
}

nlohmann::ordered_json comparisonJson(const ExactComparison& comparison) {
    if (!comparison.available()) return {{"unavailable", comparison.unavailable.toStdString()}};
    nlohmann::ordered_json json{{"states", comparison.states},
                                {"throughputs", comparison.throughputs},
                                {"deviation_percent", comparison.deviationPercent}};
    // A solver's output has no standard error, and so no z.
    if (std::any_of(comparison.z.begin(), comparison.z.end(), [](const auto& z) { return z; })) {
        nlohmann::ordered_json z = nlohmann::ordered_json::array();
        for (const auto& score : comparison.z)
            z.push_back(score ? nlohmann::ordered_json(*score) : nlohmann::ordered_json());
        json["z"] = z;
    }
    return json;
}

}  // namespace orven::batch
