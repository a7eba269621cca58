// orven-batch double-solver: one run of the double network's aggregation solver, headless.
#include <QStringList>
#include <memory>

#include "commands.h"
#include "common_options.h"
#include "exact_comparison.h"
#include "orven/double_solver/double_solver.h"
#include "orven/number_text.h"
#include "solver_json.h"

namespace orven::batch {

namespace {

struct DoubleSolverOptions {
    CommonOptions common;
    bool withExact = false;
    std::string populations;
    std::string offsets = "0,0";
    std::string experiment = "0";
};

int run(const DoubleSolverOptions& options) {
    const std::vector<int> stations = parsePopulations(options.populations, 5);
    const auto offsets = parseOffsets(options.offsets, stations);
    const auto platform = makePlatform(options.common);

    double_solver::DoubleSolver solver;
    for (std::size_t k = 0; k < stations.size(); ++k) {
        solver.setPopulation(static_cast<int>(k), stations[k]);
    }
    solver.setK1S1(offsets[0]);
    solver.setS4(offsets[1]);
    if (options.experiment == "random") {
        solver_kit::SolverView quiet;
        if (!solver.drawRandomRates(*platform, quiet)) return 1;
    } else {
        solver.chooseExperiment(std::stoi(options.experiment));
    }
    const solver_kit::StartResult result = solver.start(*platform);
    // Refusals and failures have gone to standard error as the platform's messages.
    if (result.end != solver_kit::StartEnd::Completed) return 1;

    return printRunOutput(*platform, options.common, result.block, [&] {
        auto json = solverRunJson(solver.state(), solver.Xout(), result, solver.experimentCode());
        json["stations"] = stations;
        json["offsets"] = offsets;
        if (options.withExact)
            json["exact"] =
                comparisonJson(compareWithExact(solver.exactRequest(), {result.iteration->S}, {}));
        return json;
    });
}

}  // namespace

void addDoubleSolverCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<DoubleSolverOptions>();
    CLI::App* command = app.add_subcommand(
        "double-solver", "aggregation solver of the double network, reduced to four classes");
    command
        ->add_option("--populations", options->populations,
                     "N1,N2,N3,N4,N5: the populations of stations 1 to 5")
        ->required();
    command->add_option("--offsets", options->offsets,
                        "K1S1,S4: the offsets of stations 1 and 4 (default 0,0)");
    command
        ->add_option("--experiment", options->experiment,
                     "0 (all 1), 1 (1, 0.5, 0.25, 0.125), 2 (1, 1/1.1, 1/1.2, 1/1.3) for "
                     "stations 1', 2, 5, 3, or random")
        ->check(CLI::IsMember({"0", "1", "2", "random"}));
    command->add_flag("--with-exact", options->withExact,
                      "add the exact value of the same network and the deviation of S from it "
                      "to the JSON");
    addCommonOptions(*command, options->common);
    command->callback([options, &exitCode] { exitCode = run(*options); });
}

}  // namespace orven::batch
