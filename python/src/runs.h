#pragma once

#include <pybind11/pybind11.h>

#include <string>
#include <vector>

#include "batch_platform.h"

// The module's functions. Each takes the words of an orven-batch command line after the
// subcommand's name (sweep: its kind first) and gives the run's figures as a dict.
namespace orven::python {

pybind11::object simpleSolver(const std::vector<std::string>& words);
pybind11::object doubleSolver(const std::vector<std::string>& words);
pybind11::object simpleSim(const std::vector<std::string>& words);
pybind11::object doubleSim(const std::vector<std::string>& words);
pybind11::object exactSimple(const std::vector<std::string>& words);
pybind11::object exactDouble(const std::vector<std::string>& words);
// {"columns": [...], "rows": [[...], ...]}, the rows in case order.
pybind11::object sweep(const std::vector<std::string>& words);

// What a run said to the user on its way (a solver's cut-off, a simulator's stop), one line each.
pybind11::list messagesOf(const batch::BatchPlatform& platform);

// A run that gave no result: what it would have shown the user, as one line.
[[noreturn]] void raiseRunFailure(const batch::BatchPlatform& platform);

}  // namespace orven::python
