#pragma once

#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "orven/platform.h"
#include "orven/random_source.h"
#include "orven/sim/batch_means.h"
#include "orven/sim/exponential.h"
#include "orven/sim/run_controller.h"
#include "orven/sim/run_view.h"
#include "orven/vector_state.h"

namespace orven::sim {

enum class StepResult { Arrived, NoSourceCanSend };
enum class RunEnd { RunLengthReached, NoSourceCanSend, Stopped };

// What a network's stepsUntil did: the steps it made, and how its last attempt ended.
struct Steps {
    unsigned made = 0;
    StepResult last = StepResult::Arrived;
};

// Draws through the platform one at a time, where it offers no generator of its own: the
// draws of RandomSource::negativeLogsFor.
class PlatformDraws {
  public:
    explicit PlatformDraws(Platform& platform) : platform_(platform) {}
    template <int Sources>
    std::array<double, Sources> negativeLogsFor(unsigned senders) {
        std::array<double, Sources> x{};
        for (std::size_t k = 0; k < x.size(); ++k)
            x[k] = ((senders >> k) & 1U) != 0 ? negativeLog(platform_.uniformRandom()) : 1.0;
        return x;
    }
    template <int Sources>
    void workAhead() {}

  private:
    Platform& platform_;
};

// What a run does between its steps: the progress figure, the hand-overs to the window and the
// run length in use. A step costs it a comparison and a count; everything else (the wall
// clock, the label's text, the window) happens only when the figure may change or a reading of
// the wall clock is due.
class RunPacer {
  public:
    RunPacer(Platform& platform, RunController& controller, RunView& view);

    // The run length in use: read at the start and again after every hand-over, so that a
    // "Set time" made during a run applies from the next hand-over.
    double runtime() const { return runtime_; }

    // The steps that may be made before afterStep is due whatever the clock, and the clock
    // from which it is due (the run length also ends the run from just above it).
    unsigned stepsUntilDue() const { return stepsUntilReading_; }
    double clockWhenDue() const {
        return std::min(nextFigureClock_,
                        std::nextafter(runtime_, std::numeric_limits<double>::infinity()));
    }
    // Whether afterStep is due after `made` more steps brought the clock to `clock`.
    bool due(unsigned made, double clock) {
        stepsUntilReading_ -= made;
        return clock >= nextFigureClock_ || stepsUntilReading_ == 0;
    }
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

// A network that keeps the batch means of its run: `sim::BatchMeans& batches()` and
// `sim::RunTotals totals() const`.
template <typename Network>
concept KeepsBatches = requires(Network& network) {
    network.batches().nextBoundary();
    network.totals();
};

// The steps of one run until the clock passes the run length, no source can send, or a stop is
// requested. `network` provides `double clock() const` and `Steps stepsUntil(Draws&, double
// until, unsigned most)`, which steps, drawing with negativeLogsFor and calling workAhead
// after each step, until a step brings the clock to `until` or beyond, `most` steps are made
// or no source can send. Between the checks below a network steps on its own, keeping its
// state where the processor holds it.
template <typename Network, typename Draws>
RunEnd runSteps(Network& network, Draws& draws, RunPacer& pacer) {
    for (;;) {
        double until = pacer.clockWhenDue();
        if constexpr (KeepsBatches<Network>)
            until = std::min(until, network.batches().nextBoundary());
        // The window may have had control since the last steps.
        clearUpperVectorState();
        const Steps steps = network.stepsUntil(draws, until, pacer.stepsUntilDue());
        if (steps.last == StepResult::NoSourceCanSend) return RunEnd::NoSourceCanSend;
        const double clock = network.clock();
        if constexpr (KeepsBatches<Network>) {
            if (clock >= network.batches().nextBoundary())
                network.batches().close(network.totals());
        }
        if (pacer.due(steps.made, clock) && pacer.afterStep(clock)) return RunEnd::Stopped;
        if (clock > pacer.runtime()) return RunEnd::RunLengthReached;
    }
}

// Steps from where the network stands until the run ends, drawing from the platform's
// generator where it has one.
template <typename Network>
RunEnd stepUntilEnd(Network& network, Platform& platform, RunController& controller,
                    RunView& view) {
    RunPacer pacer(platform, controller, view);
    if (RandomSource* generator = platform.generator()) return runSteps(network, *generator, pacer);
    PlatformDraws draws(platform);
    return runSteps(network, draws, pacer);
}

// Where the controller has a precision goal that the run has not reached: doubles the run
// length, up to the goal's longest, and says whether the run goes on.
bool lengthenForPrecision(RunController& controller, const BatchMeans& batches,
                          const RunTotals& now);

// The warning shown when no source can send a job.
QString noSourceMessage();
// Shows it.
void reportNoSource(Platform& platform);

// `montecarlo` of any network, from the state its set-up left: reseeds the generator and steps
// until the clock passes the run length (a run always makes at least one step). A run in which
// no source can send ends with a warning; the time simulated so far stands. A network that
// keeps batch means has them from boundaries of the run length in use at the start, and with a
// precision goal its run goes on, longer and longer, until the goal is reached.
template <typename Network>
RunEnd simulate(Network& network, Platform& platform, RunController& controller, RunView& view) {
    platform.reseedRandom();
    if constexpr (KeepsBatches<Network>)
        network.batches().start(static_cast<double>(controller.runtime()), network.totals());
    RunEnd end = stepUntilEnd(network, platform, controller, view);
    if constexpr (KeepsBatches<Network>) {
        while (end == RunEnd::RunLengthReached &&
               lengthenForPrecision(controller, network.batches(), network.totals()))
            end = stepUntilEnd(network, platform, controller, view);
        network.batches().finish(network.totals());
    }
    if (end == RunEnd::NoSourceCanSend) reportNoSource(platform);
    return end;
}

}  // namespace orven::sim
