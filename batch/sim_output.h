#pragma once

#include <nlohmann/json.hpp>

#include "common_options.h"
#include "exact_comparison.h"
#include "orven/results_block.h"
#include "sim_command.h"

namespace orven::batch {

// The end of a simulator's completed run: its results block, or its JSON, which holds what
// `estimatesJson()` gives, the precision reached where one was asked for, and with --with-exact
// the comparison with the exact solution. The exit status as printRunOutput gives it.
template <typename Simulator, typename EstimatesJson>
int printSimRun(const Simulator& simulator, const BatchPlatform& platform,
                const CommonOptions& common, const SimRunOptions& run, const ResultsBlock& block,
                EstimatesJson estimatesJson) {
    const auto precision = reportPrecision(run, simulator.controller().runtime(),
                                           simulator.outputs(), simulator.estimates().intervals);
    return printRunOutput(platform, common, block, [&] {
        nlohmann::ordered_json json = estimatesJson();
        // A run that is not split says nothing of replications, as before they existed.
        if (run.replications.count > 1) json["replications"] = run.replications.count;
        if (precision) json["precision"] = *precision;
        if (run.withExact)
            json["exact"] = comparisonJson(compareWithExact(
                simulator.exactModel(), simulator.outputs(), simulator.outputStandardErrors()));
        return json;
    });
}

}  // namespace orven::batch
