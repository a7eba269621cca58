#pragma once

#include <QString>
#include <cstdint>
#include <limits>

#include "orven/platform.h"
#include "orven/random_source.h"
#include "orven/sim/run_controller.h"
#include "orven/sim/run_view.h"

namespace orven::sim {

enum class StepResult { Arrived, NoSourceCanSend };
enum class RunEnd { RunLengthReached, NoSourceCanSend, Stopped };

// Draws through the platform one at a time, where it offers no generator of its own.
class PlatformDraws {
  public:
    explicit PlatformDraws(Platform& platform) : platform_(platform) {}
    float uniform() { return platform_.uniformRandom(); }

  private:
    Platform& platform_;
};

// What a run does between its steps: the progress figure, the hand-overs to the window and the
// run length in use. A step costs it two comparisons and a count; everything else (the wall
// clock, the label's text, the window) happens only when the figure may change or a reading of
// the wall clock is due.
class RunPacer {
  public:
    RunPacer(Platform& platform, RunController& controller, RunView& view);

    // The run length in use: read at the start and again after every hand-over, so that a
    // "Set time" made during a run applies from the next hand-over.
    double runtime() const { return runtime_; }

    // Whether the step that brought the clock to `clock` needs afterStep.
    bool due(double clock) { return clock >= nextFigureClock_ || --stepsUntilReading_ == 0; }
    // Shows a changed figure and hands control to the window when the figure changed or 20 ms
    // of wall time have passed since the last hand-over. True when the run is to stop.
    bool afterStep(double clock);

  private:
    // Shows the figure of `clock` if it differs from the one shown; true when it did.
    bool showFigure(double clock);

    Platform& platform_;
    RunController& controller_;
    RunView& view_;
    double runtime_;
    int shownPercent_ = -1;
    double nextFigureClock_ = -std::numeric_limits<double>::infinity();
    unsigned stepsBetweenReadings_;
    unsigned stepsUntilReading_;
    std::int64_t lastHandOver_;
    std::int64_t lastReading_;
};

// The steps of one run until the clock passes the run length, no source can send, or a stop is
// requested. `network` provides `StepResult step(Draws&)`, which draws with `uniform()`, and
// `double clock() const`.
template <typename Network, typename Draws>
RunEnd runSteps(Network& network, Draws& draws, RunPacer& pacer) {
    for (;;) {
        if (network.step(draws) == StepResult::NoSourceCanSend) return RunEnd::NoSourceCanSend;
        const double clock = network.clock();
        if (pacer.due(clock) && pacer.afterStep(clock)) return RunEnd::Stopped;
        if (clock > pacer.runtime()) return RunEnd::RunLengthReached;
    }
}

// The warning shown when no source can send a job.
QString noSourceMessage();
// Shows it.
void reportNoSource(Platform& platform);

// `montecarlo` of any network, from the state its set-up left: reseeds the generator and steps
// until the clock passes the run length (a run always makes at least one step). A run in which
// no source can send ends with a warning; the time simulated so far stands.
template <typename Network>
RunEnd simulate(Network& network, Platform& platform, RunController& controller, RunView& view) {
    platform.reseedRandom();
    RunPacer pacer(platform, controller, view);
    RunEnd end;
    if (RandomSource* generator = platform.generator()) {
        end = runSteps(network, *generator, pacer);
    } else {
        PlatformDraws draws(platform);
        end = runSteps(network, draws, pacer);
    }
    if (end == RunEnd::NoSourceCanSend) reportNoSource(platform);
    return end;
}

}  // namespace orven::sim
