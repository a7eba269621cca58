#pragma once

#include <cmath>
#include <string>
#include <vector>

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
    return step(setup, run, draws);
}

// Names a parameterised case after its `name` field.
struct CaseName {
    template <typename Info>
    std::string operator()(const Info& info) const {
        return info.param.name;
    }
};

// The uniform draw that gives an exponential time of `time` at rate 1.
inline float drawFor(double time) {
    return static_cast<float>(std::exp(-time));
}

}  // namespace orven::simple_sim::testing
