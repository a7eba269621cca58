// orven-batch simple-solver: one run of the simple network's aggregation solver, headless.
#include <QStringList>
#include <memory>

#include "commands.h"
#include "common_options.h"
#include "exact_comparison.h"
#include "orven/simple_solver/simple_solver.h"
#include "solver_json.h"

namespace orven::batch {

namespace {

struct SimpleSolverOptions {
    CommonOptions common;
    bool withExact = false;
    std::string populations;
    int experiment = 0;
};

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

    return printRunOutput(*platform, options.common, result.block, [&] {
        auto json = solverRunJson(solver.state(), solver.Xout(), result, solver.experimentCode());
        if (options.withExact)
            json["exact"] =
                comparisonJson(compareWithExact(solver.exactModel(), {result.iteration->S}, {}));
        return json;
    });
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
    command->add_flag("--with-exact", options->withExact,
                      "add the exact value of the same network and the deviation of S from it "
                      "to the JSON");
    addCommonOptions(*command, options->common);
    command->callback([options, &exitCode] { exitCode = run(*options); });
}

}  // namespace orven::batch
