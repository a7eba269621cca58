// orven-batch simple-solver: one run of the simple network's aggregation solver, headless.
#include <QStringList>
#include <memory>
#include <nlohmann/json.hpp>
#include <span>

#include "commands.h"
#include "common_options.h"
#include "orven/simple_solver/simple_solver.h"

namespace orven::batch {

namespace {

struct SimpleSolverOptions {
    CommonOptions common;
    std::string populations;
    int experiment = 0;
};

// The populations text holds one whole number per class, R = 2, 3 or 4 of them.
std::vector<int> classPopulations(const std::string& text) {
    const auto count = static_cast<std::size_t>(QString::fromStdString(text).count(u',') + 1);
    if (count < 2 || count > 4) {
        throw CLI::ValidationError("--populations",
                                   "expected 2, 3 or 4 populations separated by commas");
    }
    return parsePopulations(text, count);
}

nlohmann::ordered_json row(std::span<const double> values, int last) {
    nlohmann::ordered_json out = nlohmann::ordered_json::array();
    for (int k = 0; k <= last && k < static_cast<int>(values.size()); ++k) {
        out.push_back(values[static_cast<std::size_t>(k)]);
    }
    return out;
}

const char* endName(aggregation::IterationEnd end) {
    switch (end) {
        case aggregation::IterationEnd::Converged:
            return "converged";
        case aggregation::IterationEnd::CutOff:
            return "cut-off";
        case aggregation::IterationEnd::LimitReached:
            return "limit";
        case aggregation::IterationEnd::NotConverged:
            return "not-converged";
        case aggregation::IterationEnd::NotFinite:
            return "not-finite";
    }
    return "";
}

// Every number of a completed run.
nlohmann::ordered_json runJson(const simple_solver::SimpleSolver& solver,
                               const solver_kit::StartResult& result) {
    const auto& s = solver.state();
    const auto& outcome = *result.iteration;
    nlohmann::ordered_json out{{"R", s.R},
                               {"experiment", solver.experimentCode()},
                               {"S", outcome.S},
                               {"iterations", outcome.iterations},
                               {"error", outcome.error},
                               {"end", endName(outcome.end)}};
    nlohmann::ordered_json classes = nlohmann::ordered_json::array();
    for (int i = 1; i <= s.R; ++i) {
        classes.push_back({{"class", i},
                           {"N", s.N[i]},
                           {"Na", s.Na[i]},
                           {"mu", row(s.mu.row(i), s.N[i])},
                           {"x", row(s.x.row(i), s.Na[i])},
                           {"P", row(s.P.row(i), s.N[i])},
                           {"Q", row(s.Q.row(i), s.Na[i])},
                           {"P0", s.P0[i]},
                           {"Xout", row(solver.Xout().row(i), s.N[i])}});
    }
    out["classes"] = classes;
    return out;
}

int run(const SimpleSolverOptions& options) {
    const std::vector<int> populations = classPopulations(options.populations);
    const auto platform = makePlatform(options.common);

    simple_solver::SimpleSolver solver;
    solver.setR(static_cast<double>(populations.size()));
    solver.chooseExperiment(options.experiment);
    for (std::size_t k = 0; k < populations.size(); ++k) {
        solver.setPopulation(static_cast<int>(k), populations[k]);
    }
    const solver_kit::StartResult result = solver.start(*platform);
    // Refusals and failures have gone to standard error as the platform's messages.
    if (result.end != solver_kit::StartEnd::Completed) return 1;

    return printRunOutput(*platform, options.common, result.block,
                          [&] { return runJson(solver, result); });
}

}  // namespace

void addSimpleSolverCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<SimpleSolverOptions>();
    CLI::App* command =
        app.add_subcommand("simple-solver", "aggregation solver of the simple network");
    command->add_option("--populations", options->populations, "N1,N2[,N3[,N4]]: 2 to 4 classes")
        ->required();
    command
        ->add_option("--experiment", options->experiment,
                     "preset rates: 0 (all 1), 1 (1, 0.5, 0.25, 0.125), 2 (1, 1/1.1, 1/1.2, 1/1.3)")
        ->check(CLI::Range(0, 2));
    addCommonOptions(*command, options->common);
    command->callback([options, &exitCode] { exitCode = run(*options); });
}

}  // namespace orven::batch
