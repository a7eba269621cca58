// The aggregation solvers of both networks.
#include <pybind11/pybind11.h>

#include "command_line.h"
#include "commands.h"
#include "common_options.h"
#include "exact_comparison.h"
#include "orven/double_solver/double_solver.h"
#include "orven/simple_solver/simple_solver.h"
#include "runs.h"
#include "solver_json.h"
#include "to_python.h"
#include "watch.h"

namespace orven::python {

namespace py = pybind11;

namespace {

// Runs the solver without the GIL (it has no stop of its own: Ctrl-C is raised once it ends)
// and gives its figures as orven-batch's JSON holds them, the results block beside them.
template <typename Solver, typename Request>
py::object solve(Solver& solver, batch::BatchPlatform& platform, bool withExact,
                 Request exactRequest, nlohmann::ordered_json extra) {
    const auto json = runWatched(
        [&] {
            const solver_kit::StartResult result = solver.start(platform);
            if (result.end != solver_kit::StartEnd::Completed)
                return std::pair<nlohmann::ordered_json, QString>{};
            auto figures = batch::solverRunJson(solver.state(), solver.Xout(), result,
                                                solver.experimentCode());
            if (!extra.is_null()) figures.update(extra);
            if (withExact)
                figures["exact"] = batch::comparisonJson(
                    batch::compareWithExact(exactRequest(), {result.iteration->S}, {}));
            return std::pair{figures, result.block.text()};
        },
        [] {});
    if (json.first.is_null()) raiseRunFailure(platform);
    py::object out = toPython(json.first);
    out["block"] = py::str(json.second.toStdString());
    out["messages"] = messagesOf(platform);
    return out;
}

}  // namespace

py::object simpleSolver(const std::vector<std::string>& words) {
    const CommandLine command(batch::addSimpleSolverCommand, {"simple-solver"}, words);
    const std::vector<int> populations =
        batch::classPopulations(command.value<std::string>("--populations"));
    const auto platform = batch::makePlatform(command.common());
    platform->setQuiet(true);

    simple_solver::SimpleSolver solver;
    solver.setR(static_cast<double>(populations.size()));
    solver.chooseExperiment(command.value<int>("--experiment"));
    for (std::size_t k = 0; k < populations.size(); ++k)
        solver.setPopulation(static_cast<int>(k), populations[k]);
    return solve(solver, *platform, command.flag("--with-exact"),
                 [&] { return exact::Request(solver.exactModel()); }, {});
}

py::object doubleSolver(const std::vector<std::string>& words) {
    const CommandLine command(batch::addDoubleSolverCommand, {"double-solver"}, words);
    const std::vector<int> stations =
        batch::parsePopulations(command.value<std::string>("--populations"), 5);
    const auto offsets = batch::parseOffsets(command.value<std::string>("--offsets"), stations);
    const auto platform = batch::makePlatform(command.common());
    platform->setQuiet(true);

    double_solver::DoubleSolver solver;
    for (std::size_t k = 0; k < stations.size(); ++k)
        solver.setPopulation(static_cast<int>(k), stations[k]);
    solver.setK1S1(offsets[0]);
    solver.setS4(offsets[1]);
    const auto experiment = command.value<std::string>("--experiment");
    if (experiment == "random") {
        solver_kit::SolverView quiet;
        if (!solver.drawRandomRates(*platform, quiet)) raiseRunFailure(*platform);
    } else {
        solver.chooseExperiment(std::stoi(experiment));
    }
    return solve(solver, *platform, command.flag("--with-exact"),
                 [&] { return solver.exactRequest(); },
                 {{"stations", stations}, {"offsets", offsets}});
}

py::list messagesOf(const batch::BatchPlatform& platform) {
    py::list out;
    for (const QString& message : platform.messages()) out.append(message.toStdString());
    return out;
}

void raiseRunFailure(const batch::BatchPlatform& platform) {
    const std::string text = platform.messages().join(QStringLiteral(" ")).toStdString();
    throw std::runtime_error(text.empty() ? "the run gave no result" : text);
}

}  // namespace orven::python
