#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

namespace orven::batch {

// One row of a sweep: its columns in order, each a name and a value (null for an empty cell).
using SweepRow = std::vector<std::pair<std::string, nlohmann::ordered_json>>;

}  // namespace orven::batch
