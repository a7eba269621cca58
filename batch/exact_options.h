#pragma once

#include <string>
#include <vector>

#include "orven/exact/exact_solution.h"
#include "orven/exact/model.h"

namespace orven::batch {

// The inputs of exact-simple and exact-double.
struct ExactOptions {
    std::string populations;
    int experiment = 0;
    std::string format = "table";
    std::string rates = "simulator";  // whose presets, or a rate table as JSON
};

bool isPresetName(const std::string& rates);

// The simple network's populations: 2, 3 or 4 classes.
std::vector<int> exactSimplePopulations(const std::string& text);

// The presets of the experiment for `network`, or the table given.
exact::RateTable ratesFor(const ExactOptions& options, const std::vector<int>& populations,
                          exact::Network network);

// What the rates were, for the output: the preset's name or "table".
std::string ratesName(const ExactOptions& options);

}  // namespace orven::batch
