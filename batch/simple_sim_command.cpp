// orven-batch simple-sim: one run of the simple network's simulator, headless.
#include <QString>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>

#include "commands.h"
#include "common_options.h"
#include "interrupt.h"
#include "orven/sim/run_length.h"
#include "orven/simple_sim/simulator.h"

namespace orven::batch {

namespace {

using namespace orven::simple_sim;

struct SimOptions {
    std::string populations = "5,5,5";
    int experiment = sim::kFirstExperiment;
    std::string runtime = "100000";
    CommonOptions common;
};

template <typename Value, typename ToJson>
nlohmann::json tableJson(const sim::StateTable<Value>& table, ToJson toJson) {
    nlohmann::json rows = nlohmann::json::array();
    for (int i = 1; i <= table.rows(); ++i) {
        nlohmann::json row = nlohmann::json::array();
        for (const Value& value : table.row(i)) row.push_back(toJson(value));
        rows.push_back(row);
    }
    return rows;
}

nlohmann::json estimatesJson(const SimpleSimulator& simulator,
                             const std::vector<int>& populations) {
    const auto plain = [](double value) { return value; };
    const auto fixed = [](Fixed4 value) { return value.toDouble(); };
    const Estimates& estimates = simulator.estimates();
    nlohmann::json psum = nlohmann::json::array();
    for (int i = 1; i <= kSources; ++i)
        psum.push_back(estimates.psum[static_cast<std::size_t>(i)].toDouble());
    return {
        {"populations", populations},
        {"experiment", simulator.setup().experiment},
        {"runtime", simulator.controller().runtime()},
        {"Nmax", simulator.setup().Nmax},
        {"mu", tableJson(simulator.setup().mu, plain)},
        {"clock", simulator.lastRun().clock},
        {"count", simulator.lastRun().count},
        {"T", tableJson(simulator.lastRun().T, fixed)},
        {"P", tableJson(estimates.P, fixed)},
        {"psum", psum},
        {"X", estimates.X.toDouble()},
    };
}

int runSimpleSim(const SimOptions& options) {
    const std::vector<int> populations = parsePopulations(options.populations, kSources);
    const sim::RunLengthAnswer runtime =
        sim::readRunLength(QString::fromStdString(options.runtime));
    if (runtime.kind != sim::RunLengthAnswer::Kind::Accepted)
        throw CLI::ValidationError("--runtime",
                                   "the run length must be a positive number up to 1E+14");

    const auto platform = makePlatform(options.common);
    SimpleSimulator simulator;
    simulator.setExperiment(options.experiment);
    simulator.controller().setRuntime(runtime.value);
    const InterruptWatch interrupt;
    simulator.controller().stopWhenSet(interrupt.flag());
    sim::RunView view;
    std::array<QString, kSources> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = QString::number(populations[i]);
    switch (simulator.start(texts, *platform, view)) {
        case sim::StartOutcome::Completed:
            break;
        case sim::StartOutcome::Stopped:
            std::fprintf(stderr, "orven-batch: interrupted, nothing written\n");
            return kInterruptedStatus;
        default:
            return 1;
    }
    return printRunOutput(*platform, options.common, simulator.lastRecord(),
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
    command
        ->add_option("--runtime", options->runtime,
                     "simulated run length, above 0 and at most 1E+14; Ctrl-C ends a run "
                     "(exit status 130, nothing written)")
        ->capture_default_str();
    addCommonOptions(*command, options->common);
    command->callback([options, &exitCode] { exitCode = runSimpleSim(*options); });
}

}  // namespace orven::batch
