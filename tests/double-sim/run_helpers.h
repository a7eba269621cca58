#pragma once

#include <QString>
#include <array>

#include "exponential_draws.h"
#include "orven/double_sim/engine.h"
#include "recording_view.h"
#include "scripted_platform.h"

namespace orven::double_sim::testing {

using sim::testing::drawFor;
using sim::testing::RecordingView;

// The set-up that Start builds from these population fields and a preset experiment.
inline RunSetup setupFor(const std::array<int, kFields>& populations, int experiment = 0) {
    PopulationTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = QString::number(populations[i]);
    orven::testing::ScriptedPlatform platform;
    return initiate(texts, experiment, platform);
}

// One step with the platform's draws, one at a time.
inline sim::StepResult stepWith(const RunSetup& setup, RunState& run, Platform& platform) {
    sim::PlatformDraws draws(platform);
    return Network(setup, run).step(draws);
}

// `montecarlo` with a fixed run length and nothing to show.
inline sim::RunEnd runFor(const RunSetup& setup, RunState& run, Platform& platform, float length) {
    sim::RunController controller;
    controller.setRuntime(length);
    sim::RunView view;
    return montecarlo(setup, run, platform, controller, view);
}

}  // namespace orven::double_sim::testing
