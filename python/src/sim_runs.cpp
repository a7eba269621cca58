// The simulators of both networks: their estimates at full precision beside the four-decimal
// figures of the results file, with the intervals of the batch means.
#include <pybind11/pybind11.h>

#include <csignal>

#include "command_line.h"
#include "commands.h"
#include "exact_comparison.h"
#include "orven/double_sim/simulator.h"
#include "orven/simple_sim/simulator.h"
#include "runs.h"
#include "to_python.h"
#include "watch.h"

namespace orven::python {

namespace py = pybind11;
using Json = nlohmann::ordered_json;

namespace {

const auto plain = [](double value) { return value; };
const auto fixed = [](Fixed4 value) { return value.toDouble(); };

// The sum of a row of shares, at full precision as they are.
double sumOf(const Json& shares) {
    double sum = 0.0;
    for (const Json& share : shares) sum += share.get<double>();
    return sum;
}

// An empty run has no output; the results file shows 0.
double firstOr0(const std::vector<double>& outputs) {
    return outputs.empty() ? 0.0 : outputs.front();
}

// The intervals as orven-batch gives them, with the standard error of every P beside its
// half-width.
Json intervalsWithErrors(const std::optional<sim::Intervals>& intervals, int rows) {
    Json json = batch::intervalsJson(intervals, rows);
    if (!intervals) return json;
    const double t = sim::studentQuantile975(intervals->batchMeans - 1);
    json["standard_errors_P"] =
        batch::tableJson(intervals->halfWidthP, rows, [t](double hw) { return hw / t; });
    return json;
}

// A simulator's Start on a thread of its own; Ctrl-C stops the run at its next hand-over and
// raises KeyboardInterrupt, and nothing is written. `figures` builds the dict of the completed
// run there, so that an exact solution asked for is solved without the GIL too.
template <typename Simulator, typename Texts, typename Figures>
py::object simulate(Simulator& simulator, const CommandLine& command, const Texts& texts,
                    const ResultsBlock& (Simulator::*block)() const, Figures figures) {
    const batch::SimRunOptions run = command.simRun();
    batch::applySimRunOptions(run, simulator.controller());
    const auto platform = batch::makePlatform(command.common());
    platform->setQuiet(true);
    volatile std::sig_atomic_t stop = 0;
    simulator.controller().stopWhenSet(&stop);
    const Json json = runWatched(
        [&] {
            sim::RunView view;
            if (simulator.start(texts, *platform, view, run.replications) !=
                sim::StartOutcome::Completed)
                return Json();
            Json out = figures();
            if (run.replications.count > 1) out["replications"] = run.replications.count;
            if (run.precision) {
                const auto reached = batch::largestRelativeHalfWidth(
                    simulator.outputs(), simulator.estimates().intervals);
                out["precision"] = {{"target", *run.precision},
                                    {"reached", reached && *reached <= *run.precision},
                                    {"relative_half_width", reached ? Json(*reached) : Json()},
                                    {"runtime", simulator.controller().runtime()}};
            }
            if (run.withExact)
                out["exact"] = batch::comparisonJson(batch::compareWithExact(
                    simulator.exactModel(), simulator.outputs(), simulator.outputStandardErrors()));
            return out;
        },
        [&stop] { stop = 1; });
    if (json.is_null()) raiseRunFailure(*platform);
    py::object out = toPython(json);
    out["block"] = py::str((simulator.*block)().text().toStdString());
    out["messages"] = messagesOf(*platform);
    return out;
}

}  // namespace

py::object simpleSim(const std::vector<std::string>& words) {
    using namespace simple_sim;
    const CommandLine command(batch::addSimpleSimCommand, {"simple-sim"}, words);
    const std::vector<int> populations =
        batch::parsePopulations(command.value<std::string>("--populations"), kSources);
    SimpleSimulator simulator;
    simulator.setExperiment(command.value<int>("--experiment"));
    return simulate(
        simulator, command, batch::populationTexts<kSources>(populations),
        &SimpleSimulator::lastRecord, [&] {
            const RunState& run = simulator.lastRun();
            const Estimates& estimates = simulator.estimates();
            Json P = Json::array();
            Json psum = Json::array();
            Json roundedSums = Json::array();
            for (int i = 1; i <= kSources; ++i) {
                Json shares = batch::fullPrecisionShares(run.T, i, run.clock);
                psum.push_back(sumOf(shares));
                P.push_back(std::move(shares));
                roundedSums.push_back(estimates.psum[static_cast<std::size_t>(i)].toDouble());
            }
            return Json{
                {"populations", populations},
                {"experiment", simulator.setup().experiment},
                {"runtime", simulator.controller().runtime()},
                {"Nmax", simulator.setup().Nmax},
                {"mu", batch::tableJson(simulator.setup().mu, kSources, plain)},
                {"clock", run.clock},
                {"count", run.count},
                {"T", batch::tableJson(run.T, kSources, fixed)},
                {"P", P},
                {"psum", psum},
                {"X", firstOr0(simulator.outputs())},
                {"rounded",
                 {{"P", batch::tableJson(estimates.P, kSources, fixed)},
                  {"psum", roundedSums},
                  {"X", estimates.X.toDouble()}}},
                {"intervals", intervalsWithErrors(estimates.intervals, kSources)},
            };
        });
}

py::object doubleSim(const std::vector<std::string>& words) {
    using namespace double_sim;
    const CommandLine command(batch::addDoubleSimCommand, {"double-sim"}, words);
    const std::vector<int> populations =
        batch::parsePopulations(command.value<std::string>("--populations"), kFields);
    const auto experiment = command.value<std::string>("--experiment");
    DoubleSimulator simulator;
    simulator.setExperiment(experiment == "random" ? sim::kRandomExperiment
                                                   : std::stoi(experiment));
    return simulate(
        simulator, command, batch::populationTexts<kFields>(populations),
        &DoubleSimulator::lastReport, [&] {
            const RunSetup& setup = simulator.setup();
            const RunState& run = simulator.lastRun();
            const Estimates& estimates = simulator.estimates();
            const std::vector<double> outputs = simulator.outputs();
            Json limits = Json::array();
            Json P = Json::array();
            Json psum = Json::array();
            Json roundedSums = Json::array();
            for (int k = 1; k <= kQueues; ++k) {
                limits.push_back(setup.N[static_cast<std::size_t>(k)]);
                Json shares = batch::fullPrecisionShares(run.T, k, run.clock);
                psum.push_back(sumOf(shares));
                P.push_back(std::move(shares));
                roundedSums.push_back(estimates.psum[static_cast<std::size_t>(k)].toDouble());
            }
            Json T24 = Json::array();
            for (const Fixed4 t : run.T.row(kSumRow)) T24.push_back(t.toDouble());
            Json roundedP24 = Json::array();
            for (const Fixed4 p : estimates.p24()) roundedP24.push_back(p.toDouble());
            return Json{
                {"populations", populations},
                {"experiment", setup.experiment},
                {"runtime", simulator.controller().runtime()},
                {"N", limits},
                {"Nmax", setup.Nmax},
                {"mu", batch::tableJson(setup.mu, kSources, plain)},
                {"clock", run.clock},
                {"count1", run.count1},
                {"count2", run.count2},
                {"T", batch::tableJson(run.T, kQueues, fixed)},
                {"P", P},
                {"psum", psum},
                {"X1", outputs.empty() ? 0.0 : outputs[0]},
                {"X2", outputs.empty() ? 0.0 : outputs[1]},
                {"T24", T24},
                {"p24", batch::fullPrecisionShares(run.T, kSumRow, run.clock)},
                {"rounded",
                 {{"P", batch::tableJson(estimates.P, kQueues, fixed)},
                  {"psum", roundedSums},
                  {"X1", estimates.X1.toDouble()},
                  {"X2", estimates.X2.toDouble()},
                  {"p24", roundedP24}}},
                {"intervals", intervalsWithErrors(estimates.intervals, kSumRow)},
            };
        });
}

}  // namespace orven::python
