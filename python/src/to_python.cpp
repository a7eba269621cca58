#include "to_python.h"

namespace orven::python {

namespace py = pybind11;

py::object toPython(const nlohmann::ordered_json& value) {
    switch (value.type()) {
        case nlohmann::json::value_t::object: {
            py::dict out;
            for (const auto& [key, item] : value.items()) out[py::str(key)] = toPython(item);
            return out;
        }
        case nlohmann::json::value_t::array: {
            py::list out;
            for (const auto& item : value) out.append(toPython(item));
            return out;
        }
        case nlohmann::json::value_t::string:
            return py::str(value.get<std::string>());
        case nlohmann::json::value_t::boolean:
            return py::bool_(value.get<bool>());
        case nlohmann::json::value_t::number_integer:
            return py::int_(value.get<std::int64_t>());
        case nlohmann::json::value_t::number_unsigned:
            return py::int_(value.get<std::uint64_t>());
        case nlohmann::json::value_t::number_float:
            return py::float_(value.get<double>());
        default:
            return py::none();
    }
}

}  // namespace orven::python
