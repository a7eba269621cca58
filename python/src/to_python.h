#pragma once

#include <pybind11/pybind11.h>

#include <nlohmann/json.hpp>

namespace orven::python {

// The figures of a run as Python values: objects as dicts in their order, arrays as lists,
// numbers at the precision they hold, null as None.
pybind11::object toPython(const nlohmann::ordered_json& value);

}  // namespace orven::python
