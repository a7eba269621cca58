// orven-batch simple-sim: one run of the simple network's simulator, headless.
#include <QString>
#include <memory>
#include <nlohmann/json.hpp>

#include "commands.h"
#include "common_options.h"
#include "orven/simple_sim/simulator.h"
#include "sim_command.h"
#include "sim_output.h"

namespace orven::batch {

namespace {

using namespace orven::simple_sim;

struct SimOptions {
    std::string populations = "5,5,5";
    int experiment = sim::kFirstExperiment;
    SimRunOptions run;
    CommonOptions common;
};

nlohmann::ordered_json estimatesJson(const SimpleSimulator& simulator,
                                     const std::vector<int>& populations) {
    const auto plain = [](double value) { return value; };
    const auto fixed = [](Fixed4 value) { return value.toDouble(); };
    const Estimates& estimates = simulator.estimates();
    nlohmann::ordered_json psum = nlohmann::ordered_json::array();
    for (int i = 1; i <= kSources; ++i)
        psum.push_back(estimates.psum[static_cast<std::size_t>(i)].toDouble());
    return {
        {"populations", populations},
        {"experiment", simulator.setup().experiment},
        {"runtime", simulator.controller().runtime()},
        {"Nmax", simulator.setup().Nmax},
        {"mu", tableJson(simulator.setup().mu, kSources, plain)},
        {"clock", simulator.lastRun().clock},
        {"count", simulator.lastRun().count},
        {"T", tableJson(simulator.lastRun().T, kSources, fixed)},
        {"P", tableJson(estimates.P, kSources, fixed)},
        {"psum", psum},
        {"X", estimates.X.toDouble()},
        {"estimates",
         fullPrecisionEstimates(simulator.lastRun().T, kSources, simulator.lastRun().clock,
                                {simulator.lastRun().count})},
        {"intervals", intervalsJson(estimates.intervals, kSources)},
    };
}

int runSimpleSim(const SimOptions& options) {
    const std::vector<int> populations = parsePopulations(options.populations, kSources);
    SimpleSimulator simulator;
    applySimRunOptions(options.run, simulator.controller());

    const auto platform = makePlatform(options.common);
    simulator.setExperiment(options.experiment);
    if (const auto status = startHeadless(simulator, populationTexts<kSources>(populations),
                                          *platform, options.run.replications))
        return *status;
    return printSimRun(simulator, *platform, options.common, options.run, simulator.lastRecord(),
                       [&] { return estimatesJson(simulator, populations); });
}

}  // namespace

void addSimpleSimCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<SimOptions>();
    CLI::App* command =
        app.add_subcommand("simple-sim", "Monte Carlo simulation of the simple network");
    command->add_option("--populations", options->populations, "N1,N2,N3, each 1 to 32767")
        ->capture_default_str();
    command
        ->add_option("--experiment", options->experiment,
                     "0, 1, 2: the preset experiments; 3: random rates")
        ->check(CLI::Range(0, sim::kRandomExperiment))
        ->capture_default_str();
    addSimRunOptions(*command, options->run);
    addReplicationOptions(*command, options->run.replications);
    addCommonOptions(*command, options->common);
    command->callback([options, &exitCode] { exitCode = runSimpleSim(*options); });
}

}  // namespace orven::batch
