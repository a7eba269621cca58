// orven-batch simple-sim: one run of the simple network's simulator, headless.
#include <QString>
#include <memory>
#include <nlohmann/json.hpp>

#include "commands.h"
#include "common_options.h"
#include "orven/simple_sim/run_length.h"
#include "orven/simple_sim/simulator.h"

namespace orven::batch {

namespace {

using namespace orven::simple_sim;

struct SimOptions {
    std::string populations = "5,5,5";
    int experiment = kFirstExperiment;
    std::string runtime = "100000";
    CommonOptions common;
};

// A run without windows: nothing to show while it goes on.
class NoView final : public RunView {
  public:
    void showProgress(const QString&) override {}
    void showResults(const ResultsContent&) override {}
};

template <typename Value, typename ToJson>
nlohmann::json tableJson(const SourceTable<Value>& table, ToJson toJson) {
    nlohmann::json rows = nlohmann::json::array();
    for (int i = 1; i <= kSources; ++i) {
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
    for (int i = 1; i <= kSources; ++i) psum.push_back(estimates.psum[i].toDouble());
    return {
        {"populations", populations},
        {"experiment", simulator.experiment()},
        {"runtime", simulator.runtime()},
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
    const RunLengthAnswer runtime = readRunLength(QString::fromStdString(options.runtime));
    if (runtime.kind != RunLengthAnswer::Kind::Accepted)
        throw CLI::ValidationError("--runtime", "the run length must be a positive number");

    const auto platform = makePlatform(options.common);
    SimpleSimulator simulator;
    simulator.setExperiment(options.experiment);
    simulator.setRuntime(runtime.value);
    NoView view;
    std::array<QString, kSources> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = QString::number(populations[i]);
    if (simulator.start(texts, *platform, view) != SimpleSimulator::StartOutcome::Completed)
        return 1;

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
        ->check(CLI::Range(0, kRandomExperiment))
        ->capture_default_str();
    command->add_option("--runtime", options->runtime, "simulated run length, above 0")
        ->capture_default_str();
    addCommonOptions(*command, options->common);
    command->callback([options, &exitCode] { exitCode = runSimpleSim(*options); });
}

}  // namespace orven::batch
