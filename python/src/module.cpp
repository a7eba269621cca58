// The Python module: the computations of orven-batch as functions, their figures as values.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <CLI/CLI.hpp>

#include "orven/exact/exact_error.h"
#include "orven/version.h"
#include "runs.h"

namespace py = pybind11;

PYBIND11_MODULE(_orven, module) {
    module.doc() = "The computations of orven-batch; the package orven wraps them.";
    module.attr("__version__") = std::string(orven::kVersion);

    // A refusal of the inputs reads as orven-batch's line after its name.
    py::register_exception_translator([](std::exception_ptr thrown) {
        try {
            if (thrown) std::rethrow_exception(thrown);
        } catch (const CLI::ParseError& refusal) {
            PyErr_SetString(PyExc_ValueError, refusal.what());
        } catch (const orven::exact::ExactError& refusal) {
            PyErr_SetString(PyExc_ValueError, refusal.what());
        }
    });

    using namespace orven::python;
    module.def("simple_solver", &simpleSolver, py::arg("words"));
    module.def("double_solver", &doubleSolver, py::arg("words"));
    module.def("simple_sim", &simpleSim, py::arg("words"));
    module.def("double_sim", &doubleSim, py::arg("words"));
    module.def("exact_simple", &exactSimple, py::arg("words"));
    module.def("exact_double", &exactDouble, py::arg("words"));
    module.def("sweep", &sweep, py::arg("words"));
}
