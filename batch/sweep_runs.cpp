#include "sweep_runs.h"

#include <QDateTime>
#include <chrono>
#include <optional>

#include "batch_platform.h"
#include "exact_comparison.h"
#include "orven/double_sim/simulator.h"
#include "orven/double_solver/double_solver.h"
#include "orven/simple_sim/simulator.h"
#include "orven/simple_solver/simple_solver.h"
#include "solver_json.h"

namespace orven::batch {

namespace {

using Json = nlohmann::ordered_json;

Json optionalJson(const std::optional<double>& value) {
    return value ? Json(*value) : Json();
}

// A platform of its own for each case: a fixed seed and clock, no file, messages kept quiet.
BatchPlatform casePlatform(const SweepCase& sweepCase) {
    BatchPlatform platform(sweepCase.runSeed, true, QDateTime(QDate(2026, 1, 31), QTime(14, 5, 9)),
                           std::nullopt);
    platform.setQuiet(true);
    return platform;
}

}  // namespace

SweepRow inputColumns(const SweepCase& sweepCase, const SweepSettings& settings) {
    SweepRow row;
    row.emplace_back("case", sweepCase.index + 1);
    for (std::size_t k = 0; k < settings.populationColumns; ++k) {
        row.emplace_back("N" + std::to_string(k + 1), k < sweepCase.populations.size()
                                                          ? Json(sweepCase.populations[k])
                                                          : Json());
    }
    row.emplace_back("experiment", sweepCase.experiment);
    row.emplace_back("seed", sweepCase.seed);
    return row;
}

namespace {

// The exact columns: the exact output, then the deviation of each output (a solver) or its
// z-score (a simulator), the states of the chain, and why there is no value.
void addExact(SweepRow& row, const SweepSettings& settings, const exact::Request& request,
              const std::vector<double>& outputs, const std::vector<std::optional<double>>& errors,
              bool scores) {
    if (!settings.withExact) return;
    const ExactComparison comparison =
        outputs.empty() ? ExactComparison{} : compareWithExact(request, outputs, errors);
    row.emplace_back("exact", comparison.available() ? Json(comparison.throughputs[0]) : Json());
    const std::size_t count = std::max<std::size_t>(errors.size(), 1);
    for (std::size_t k = 0; k < count; ++k) {
        const std::string suffix = count == 1 ? "" : std::to_string(k + 1);
        Json value;
        if (comparison.available() && k < comparison.z.size())
            value = scores ? optionalJson(comparison.z[k]) : Json(comparison.deviationPercent[k]);
        row.emplace_back((scores ? "z" : "deviation_percent") + suffix, value);
    }
    row.emplace_back("states", comparison.available() ? Json(comparison.states) : Json());
    row.emplace_back("exact_note",
                     comparison.available() ? Json() : Json(comparison.unavailable.toStdString()));
}

// How the iteration ended, or "failed" where it gave no result.
const char* solverEnd(const solver_kit::StartResult& result) {
    if (result.end == solver_kit::StartEnd::Refused) return "refused";
    if (result.end == solver_kit::StartEnd::Failed || !result.iteration) return "failed";
    return iterationEndName(result.iteration->end);
}

template <typename Solver>
void addSolverOutputs(SweepRow& row, const SweepSettings& settings, Solver& solver,
                      const solver_kit::StartResult& result, const exact::Request& request) {
    const bool done = result.end == solver_kit::StartEnd::Completed;
    row.emplace_back("S", done ? Json(result.iteration->S) : Json());
    row.emplace_back("iterations", result.iteration ? Json(result.iteration->iterations) : Json());
    row.emplace_back("end", solverEnd(result));
    addExact(row, settings, request,
             done ? std::vector<double>{result.iteration->S} : std::vector<double>{},
             {std::nullopt}, false);
    (void)solver;
}

void runSimpleSolver(SweepRow& row, const SweepCase& sweepCase, const SweepSettings& settings) {
    BatchPlatform platform = casePlatform(sweepCase);
    simple_solver::SimpleSolver solver;
    solver.setR(static_cast<double>(sweepCase.populations.size()));
    solver.chooseExperiment(std::stoi(sweepCase.experiment));
    for (std::size_t k = 0; k < sweepCase.populations.size(); ++k)
        solver.setPopulation(static_cast<int>(k), sweepCase.populations[k]);
    const solver_kit::StartResult result = solver.start(platform);
    addSolverOutputs(row, settings, solver, result, solver.exactModel());
}

void runDoubleSolver(SweepRow& row, const SweepCase& sweepCase, const SweepSettings& settings) {
    BatchPlatform platform = casePlatform(sweepCase);
    double_solver::DoubleSolver solver;
    for (std::size_t k = 0; k < sweepCase.populations.size(); ++k)
        solver.setPopulation(static_cast<int>(k), sweepCase.populations[k]);
    solver.setK1S1(std::min<double>(settings.offsets[0], sweepCase.populations[0]));
    solver.setS4(std::min<double>(settings.offsets[1], sweepCase.populations[3]));
    if (sweepCase.experiment == "random") {
        solver_kit::SolverView quiet;
        solver.drawRandomRates(platform, quiet);
    } else {
        solver.chooseExperiment(std::stoi(sweepCase.experiment));
    }
    const solver_kit::StartResult result = solver.start(platform);
    addSolverOutputs(row, settings, solver, result, solver.exactRequest());
}

template <typename Simulator, std::size_t Fields>
void runSimulator(SweepRow& row, const SweepCase& sweepCase, const SweepSettings& settings,
                  int experiment, const std::vector<std::string>& outputNames) {
    BatchPlatform platform = casePlatform(sweepCase);
    Simulator simulator;
    applySimRunOptions(settings.run, simulator.controller());
    simulator.controller().stopWhenSet(settings.interrupt);
    simulator.setExperiment(experiment);
    sim::RunView view;
    const bool done = simulator.start(populationTexts<Fields>(sweepCase.populations), platform,
                                      view) == sim::StartOutcome::Completed;
    const std::vector<double> outputs = done ? simulator.outputs() : std::vector<double>{};
    const auto& intervals = simulator.estimates().intervals;
    row.emplace_back("runtime", simulator.controller().runtime());
    for (std::size_t k = 0; k < outputNames.size(); ++k) {
        row.emplace_back(outputNames[k], k < outputs.size() ? Json(outputs[k]) : Json());
        row.emplace_back("hw_" + outputNames[k],
                         done && intervals ? Json(intervals->halfWidthX[k]) : Json());
    }
    if (settings.run.precision) {
        const auto reached = largestRelativeHalfWidth(outputs, done ? intervals : std::nullopt);
        row.emplace_back("precision_reached", reached && *reached <= *settings.run.precision);
    }
    row.emplace_back("end", done ? "completed" : "stopped");
    addExact(row, settings, simulator.exactModel(), outputs,
             done ? simulator.outputStandardErrors()
                  : std::vector<std::optional<double>>(outputNames.size()),
             true);
}

}  // namespace

const std::vector<std::string>& sweepSubcommands() {
    static const std::vector<std::string> names{"simple-solver", "double-solver", "simple-sim",
                                                "double-sim"};
    return names;
}

SweepRow runSweepCase(const SweepCase& sweepCase, const SweepSettings& settings) {
    const auto started = std::chrono::steady_clock::now();
    SweepRow row = inputColumns(sweepCase, settings);
    if (settings.subcommand == "simple-solver") {
        runSimpleSolver(row, sweepCase, settings);
    } else if (settings.subcommand == "double-solver") {
        runDoubleSolver(row, sweepCase, settings);
    } else if (settings.subcommand == "simple-sim") {
        runSimulator<simple_sim::SimpleSimulator, simple_sim::kSources>(
            row, sweepCase, settings, std::stoi(sweepCase.experiment), {"X"});
    } else {
        const int experiment = sweepCase.experiment == "random" ? sim::kRandomExperiment
                                                                : std::stoi(sweepCase.experiment);
        runSimulator<double_sim::DoubleSimulator, double_sim::kFields>(row, sweepCase, settings,
                                                                       experiment, {"X1", "X2"});
    }
    if (settings.timing) {
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - started;
        row.emplace_back("seconds", seconds.count());
    }
    return row;
}

}  // namespace orven::batch
