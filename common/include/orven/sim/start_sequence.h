#pragma once

#include <QString>
#include <optional>

#include "orven/input_rules.h"
#include "orven/platform.h"
#include "orven/sim/run_controller.h"
#include "orven/sim/run_loop.h"
#include "orven/sim/run_view.h"

namespace orven::sim {

enum class StartOutcome { Refused, Completed, Stopped, AlreadyRunning };

// What "Start" runs in every simulator. While a run goes on it does nothing. An input out of
// range is refused with a warning and nothing is computed. Otherwise: the set-up, the run, and
// (unless the run was stopped) the estimates, the results window and the results file.
//
// `program` provides the network's own parts:
//   std::optional<QString> inputProblem()   the refusal message for the first bad input;
//   Network setUp(Platform&)                `initiate`: the tables, and the network to step;
//   void publish(Platform&, RunView&)       `ypolog`: estimates, window and results file.
// A program that runs its network in its own way (split into replications) provides
//   RunEnd simulate(Platform&, RunController&, RunView&)   in place of setUp.
template <typename Program>
StartOutcome startRun(Program& program, RunController& controller, Platform& platform,
                      RunView& view) {
    if (controller.running()) return StartOutcome::AlreadyRunning;
    if (const std::optional<QString> problem = program.inputProblem()) {
        platform.showMessage(*problem, MessageIcon::Warning, errorTitle());
        return StartOutcome::Refused;
    }
    const RunController::Run run(controller, view);
    RunEnd end;
    if constexpr (requires { program.simulate(platform, controller, view); }) {
        end = program.simulate(platform, controller, view);
    } else {
        auto network = program.setUp(platform);
        end = simulate(network, platform, controller, view);
    }
    if (end == RunEnd::Stopped) return StartOutcome::Stopped;
    program.publish(platform, view);
    return StartOutcome::Completed;
}

}  // namespace orven::sim
