#pragma once

#include <QString>
#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "orven/exact/comparison.h"

namespace orven::batch {

// A run's outputs beside the exact solution of the network it stands for.
struct ExactComparison {
    std::size_t states = 0;
    std::vector<double> throughputs;       // exact, per station
    std::vector<double> deviationPercent;  // of each output from its exact value
    std::vector<std::optional<double>> z;  // where the output has a standard error
    QString unavailable;                   // why there is no exact value, in English
    bool available() const { return !throughputs.empty(); }
};

// Solves the request's model and compares the outputs with it; without a model, or where the
// exact solution refuses it, says why.
ExactComparison compareWithExact(const exact::Request& request, const std::vector<double>& outputs,
                                 const std::vector<std::optional<double>>& standardErrors);

// {"states", "throughputs", "deviation_percent", "z"} or {"unavailable": reason}.
nlohmann::ordered_json comparisonJson(const ExactComparison& comparison);

}  // namespace orven::batch
