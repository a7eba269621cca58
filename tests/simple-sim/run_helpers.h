#pragma once

#include "case_name.h"
#include "exponential_draws.h"
#include "orven/sim/run_view.h"
#include "orven/simple_sim/engine.h"
#include "recording_view.h"

namespace orven::simple_sim::testing {

using sim::testing::RecordingView;

// `montecarlo` with a fixed run length and nothing to show.
inline sim::RunEnd runFor(const RunSetup& setup, RunState& run, Platform& platform, float length) {
    sim::RunController controller;
    controller.setRuntime(length);
    sim::RunView view;
    return montecarlo(setup, run, platform, controller, view);
}

// One step with the platform's draws.
inline sim::StepResult stepWith(const RunSetup& setup, RunState& run, Platform& platform) {
    sim::PlatformDraws draws(platform);
    return Network(setup, run).step(draws);
}

using sim::testing::CaseName;

using sim::testing::drawFor;

}  // namespace orven::simple_sim::testing
