// orven-batch double-sim: one run of the double network's simulator, headless.
#include <QString>
#include <memory>
#include <nlohmann/json.hpp>

#include "commands.h"
#include "common_options.h"
#include "orven/double_sim/simulator.h"
#include "sim_command.h"
#include "sim_output.h"

namespace orven::batch {

namespace {

using namespace orven::double_sim;

struct DoubleSimOptions {
    std::string populations = "5,5,5,5";
    std::string experiment = "0";
    SimRunOptions run;
    CommonOptions common;
};

int experimentCode(const std::string& option) {
    return option == "random" ? sim::kRandomExperiment : std::stoi(option);
}

nlohmann::ordered_json estimatesJson(const DoubleSimulator& simulator,
                                     const std::vector<int>& populations) {
    const auto plain = [](double value) { return value; };
    const auto fixed = [](Fixed4 value) { return value.toDouble(); };
    const RunSetup& setup = simulator.setup();
    const RunState& run = simulator.lastRun();
    const Estimates& estimates = simulator.estimates();
    nlohmann::ordered_json limits = nlohmann::ordered_json::array();
    nlohmann::ordered_json psum = nlohmann::ordered_json::array();
    for (int k = 1; k <= kQueues; ++k) {
        limits.push_back(setup.N[static_cast<std::size_t>(k)]);
        psum.push_back(estimates.psum[static_cast<std::size_t>(k)].toDouble());
    }
    nlohmann::ordered_json T24 = nlohmann::ordered_json::array();
    for (const Fixed4 t : run.T.row(kSumRow)) T24.push_back(t.toDouble());
    nlohmann::ordered_json p24 = nlohmann::ordered_json::array();
    for (const Fixed4 p : estimates.p24()) p24.push_back(p.toDouble());
    nlohmann::ordered_json full =
        fullPrecisionEstimates(run.T, kQueues, run.clock, {run.count1, run.count2});
    full["p24"] = fullPrecisionShares(run.T, kSumRow, run.clock);
    return {
        {"populations", populations},
        {"experiment", setup.experiment},
        {"runtime", simulator.controller().runtime()},
        {"N", limits},
        {"Nmax", setup.Nmax},
        {"mu", tableJson(setup.mu, kSources, plain)},
        {"clock", run.clock},
        {"count1", run.count1},
        {"count2", run.count2},
        {"T", tableJson(run.T, kQueues, fixed)},
        {"P", tableJson(estimates.P, kQueues, fixed)},
        {"psum", psum},
        {"X1", estimates.X1.toDouble()},
        {"X2", estimates.X2.toDouble()},
        {"T24", T24},
        {"p24", p24},
        {"estimates", full},
        {"intervals", intervalsJson(estimates.intervals, kSumRow)},
    };
}

int runDoubleSim(const DoubleSimOptions& options) {
    const std::vector<int> populations = parsePopulations(options.populations, kFields);
    DoubleSimulator simulator;
    applySimRunOptions(options.run, simulator.controller());

    const auto platform = makePlatform(options.common);
    simulator.setExperiment(experimentCode(options.experiment));
    if (const auto status = startHeadless(simulator, populationTexts<kFields>(populations),
                                          *platform, options.run.replications))
        return *status;
    return printSimRun(simulator, *platform, options.common, options.run, simulator.lastReport(),
                       [&] { return estimatesJson(simulator, populations); });
}

}  // namespace

void addDoubleSimCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<DoubleSimOptions>();
    CLI::App* command =
        app.add_subcommand("double-sim", "Monte Carlo simulation of the double network");
    command
        ->add_option("--populations", options->populations,
                     "N1,N2,N3,N5: the four loop populations, each 1 to 32767")
        ->capture_default_str();
    command
        ->add_option("--experiment", options->experiment,
                     "0, 1, 2: the preset experiments as the options number them; random: "
                     "random rates")
        ->check(CLI::IsMember({"0", "1", "2", "random"}))
        ->capture_default_str();
    addSimRunOptions(*command, options->run);
    addReplicationOptions(*command, options->run.replications);
    addCommonOptions(*command, options->common);
    command->callback([options, &exitCode] { exitCode = runDoubleSim(*options); });
}

}  // namespace orven::batch
