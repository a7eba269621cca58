#pragma once

#include <CLI/CLI.hpp>
#include <QString>
#include <array>
#include <cstdint>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "interrupt.h"
#include "orven/platform.h"
#include "orven/sim/batch_means.h"
#include "orven/sim/replications.h"
#include "orven/sim/run_controller.h"
#include "orven/sim/run_view.h"
#include "orven/sim/start_sequence.h"
#include "orven/sim/state_table.h"

// What the simulator subcommands share.
namespace orven::batch {

// The --runtime option: a positive number up to 1E+14, or a refusal of the command line.
float runLengthOption(const std::string& text);

// Why a --precision text is refused (a number from 1E-09 to 1, which NaN is not), or "".
std::string precisionProblem(const std::string& text);

// What both simulator commands take beside the common options: the run length, a precision to
// reach by lengthening the run, and the exact value beside the outputs.
struct SimRunOptions {
    std::string runtime = "100000";
    std::optional<double> precision;
    std::string maxRuntime = "1E+08";
    bool withExact = false;
    sim::Replications replications;
};
void addSimRunOptions(CLI::App& command, SimRunOptions& options);
// --replications and --jobs of a single run (a sweep spreads its cases over the cores instead).
void addReplicationOptions(CLI::App& command, sim::Replications& replications);
// Sets the run length and the precision goal; a value out of range refuses the command line.
void applySimRunOptions(const SimRunOptions& options, sim::RunController& controller);

// The largest half-width of an output relative to the output, or nothing without an interval.
std::optional<double> largestRelativeHalfWidth(const std::vector<double>& outputs,
                                               const std::optional<sim::Intervals>& intervals);

// With a precision goal, a line on standard error that says whether the run reached it and at
// what run length, and the same as JSON; nothing without a goal.
std::optional<nlohmann::ordered_json> reportPrecision(
    const SimRunOptions& options, float runtimeUsed, const std::vector<double>& outputs,
    const std::optional<sim::Intervals>& intervals);

// The intervals of a run as JSON: the batch means behind them, the half-widths and standard
// errors of the outputs and the half-widths of every P of rows 1..rows; null without them.
nlohmann::ordered_json intervalsJson(const std::optional<sim::Intervals>& intervals, int rows);

// The population fields as a window would hold them.
template <std::size_t Fields>
std::array<QString, Fields> populationTexts(const std::vector<int>& populations) {
    std::array<QString, Fields> texts;
    for (std::size_t i = 0; i < Fields; ++i) texts[i] = QString::number(populations.at(i));
    return texts;
}

// Rows 1..rows of a table, each an array of its entries as `toJson` gives them.
template <typename Value, typename ToJson>
nlohmann::ordered_json tableJson(const sim::StateTable<Value>& table, int rows, ToJson toJson) {
    nlohmann::ordered_json json = nlohmann::ordered_json::array();
    for (int i = 1; i <= rows; ++i) {
        nlohmann::ordered_json row = nlohmann::ordered_json::array();
        for (const Value& value : table.row(i)) row.push_back(toJson(value));
        json.push_back(row);
    }
    return json;
}

// The estimates at full double precision, beside the four-decimal figures that mirror the
// results file: "X", each output's firings per unit of time, and "P", rows 1..rows of the time
// table as shares of the clock; 0 for a run that simulated no time, as in the file.
nlohmann::ordered_json fullPrecisionEstimates(const sim::TimeTable& T, int rows, double clock,
                                              const std::vector<std::int64_t>& firings);
// One row of the time table as shares of the clock, at full precision.
nlohmann::ordered_json fullPrecisionShares(const sim::TimeTable& T, int row, double clock);

// A simulator's Start, headless: Ctrl-C ends the run at its next hand-over. Nothing when the
// run completed; otherwise the exit status, 130 (143, 129) for a run ended by SIGINT (SIGTERM,
// SIGHUP), which writes nothing.
template <typename Simulator, typename Texts>
std::optional<int> startHeadless(Simulator& simulator, const Texts& texts, Platform& platform,
                                 const sim::Replications& replications = {}) {
    const InterruptWatch interrupt;
    simulator.controller().stopWhenSet(interrupt.flag());
    sim::RunView view;
    switch (simulator.start(texts, platform, view, replications)) {
        case sim::StartOutcome::Completed:
            return std::nullopt;
        case sim::StartOutcome::Stopped:
            std::fprintf(stderr, "orven-batch: interrupted, nothing written\n");
            return interrupt.exitStatus();
        default:
            return 1;
    }
}

}  // namespace orven::batch
