// The exact steady state of either network.
#include <pybind11/pybind11.h>

#include <atomic>

#include "command_line.h"
#include "commands.h"
#include "exact_options.h"
#include "orven/exact/double_network.h"
#include "orven/exact/simple_network.h"
#include "runs.h"
#include "to_python.h"
#include "watch.h"

namespace orven::python {

namespace py = pybind11;
using Json = nlohmann::ordered_json;

namespace {

struct ExactInputs {
    batch::ExactOptions options;
    std::vector<int> populations;
    exact::RateTable rates;
};

// The options of exact-simple or exact-double, checked as orven-batch checks them.
ExactInputs exactInputs(const char* subcommand, const std::vector<std::string>& words,
                        exact::Network network) {
    const CommandLine command(batch::addExactCommands, {subcommand}, words);
    ExactInputs inputs;
    inputs.options.populations = command.value<std::string>("--populations");
    inputs.options.experiment = command.value<int>("--experiment");
    inputs.options.rates = command.value<std::string>("--rates");
    inputs.populations = network == exact::Network::Simple
                             ? batch::exactSimplePopulations(inputs.options.populations)
                             : batch::parsePopulations(inputs.options.populations, 4);
    inputs.rates = batch::ratesFor(inputs.options, inputs.populations, network);
    return inputs;
}

// Solves without the GIL; Ctrl-C gives the solve up between its steps.
template <typename Solve>
auto solveWatched(Solve solve) {
    std::atomic<bool> cancel{false};
    return runWatched([&] { return solve(&cancel); }, [&cancel] { cancel = true; });
}

Json heading(const char* network, const ExactInputs& inputs, const exact::ExactSolution& solution) {
    return {{"network", network},
            {"populations", inputs.populations},
            {"experiment", inputs.options.experiment},
            {"states", solution.stateCount},
            {"rates", batch::ratesName(inputs.options)}};
}

Json checks(const exact::ExactSolution& solution) {
    return {{"sum_error", solution.sumError}, {"balance_residual", solution.balanceResidual}};
}

}  // namespace

py::object exactSimple(const std::vector<std::string>& words) {
    const ExactInputs inputs = exactInputs("exact-simple", words, exact::Network::Simple);
    const auto solution = solveWatched([&](const std::atomic<bool>* cancel) {
        return exact::solveSimpleNetwork(inputs.populations, inputs.rates, cancel);
    });
    Json json = heading("simple", inputs, solution);
    json["throughput"] = solution.throughput;
    json["P"] = solution.marginals;
    json["checks"] = checks(solution);
    return toPython(json);
}

py::object exactDouble(const std::vector<std::string>& words) {
    const ExactInputs inputs = exactInputs("exact-double", words, exact::Network::Double);
    const auto solution = solveWatched([&](const std::atomic<bool>* cancel) {
        return exact::solveDoubleNetwork(inputs.populations, inputs.rates, cancel);
    });
    Json json = heading("double", inputs, solution);
    json["throughputs"] = solution.throughputs;
    json["P"] = solution.marginals;
    json["checks"] = checks(solution);
    json["P_sum_2_5"] = solution.sumOfQueues2And5;
    return toPython(json);
}

}  // namespace orven::python
