#include "orven/simple_sim/engine.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cmath>

#include "orven/input_rules.h"
#include "orven/number_text.h"
#include "orven/platform.h"

namespace orven::simple_sim {

namespace {

// A draw of exactly 0 would give an infinite time; it counts as a draw of 0.01 instead.
constexpr double kZeroDrawSubstitute = 0.01;
// The window gets control at least this often while a run goes on.
constexpr qint64 kHandOverMilliseconds = 20;
// Reading the wall clock costs more than a step, so it is read every so many steps.
constexpr unsigned kStepsBetweenClockReadings = 64;

float exponentialTime(Platform& platform, double rate) {
    const float u = platform.uniformRandom();
    const double x = u == 0.0f ? -std::log(kZeroDrawSubstitute) : -std::log(static_cast<double>(u));
    return static_cast<float>(x / rate);
}

}  // namespace

StepResult step(const RunSetup& setup, RunState& run, Platform& platform) {
    int winner = 0;
    for (int i = 1; i <= kSources; ++i) {
        const double rate = setup.mu(i, run.n[i]);
        if (run.n[i] >= setup.N[i] || !(rate > 0.0)) {
            run.t[i] = kFullQueueTime;
            continue;
        }
        run.t[i] = exponentialTime(platform, rate);
        // Strictly smaller: a tie goes to the lower-numbered source.
        if (winner == 0 || run.t[i] < run.t[winner]) winner = i;
    }
    if (winner == 0) return StepResult::NoSourceCanSend;
    run.kmin = winner;
    run.tmin = run.t[winner];

    // The whole step counts for the queue lengths as they were before the arrival.
    for (int i = 1; i <= kSources; ++i) run.T(i, run.n[i]) += static_cast<double>(run.tmin);
    ++run.n[winner];
    if (run.n[1] > 0 && run.n[2] > 0 && run.n[3] > 0) {
        for (int i = 1; i <= kSources; ++i) --run.n[i];
        ++run.count;
    }
    run.clock += static_cast<double>(run.tmin);
    return StepResult::Arrived;
}

int progressPercent(double clock, float runtime) {
    const double tenths = std::floor(10.0 * clock / static_cast<double>(runtime));
    if (!(tenths > 0.0)) return 0;
    // A run length shortened during the run, or shorter than one step, would run past 100.
    return 10 * static_cast<int>(std::min(tenths, 10.0));
}

QString progressText(int percent) {
    return messageForm(static_cast<double>(percent)) + QStringLiteral(" %");
}

RunEnd montecarlo(const RunSetup& setup, RunState& run, Platform& platform, RunControl& control) {
    for (int i = 1; i <= kSources; ++i) {
        assert(isValidPopulation(setup.N[i]));
    }
    run = RunState(setup.Nmax);
    platform.reseedRandom();

    QElapsedTimer sinceHandOver;
    sinceHandOver.start();
    int shownPercent = -1;
    unsigned stepsSinceReading = 0;
    for (;;) {
        if (step(setup, run, platform) == StepResult::NoSourceCanSend) {
            platform.showMessage(noSourceMessage(), MessageIcon::Warning, errorTitle());
            return RunEnd::NoSourceCanSend;
        }
        const int percent = progressPercent(run.clock, control.runtime());
        const bool progressed = percent != shownPercent;
        if (progressed) {
            shownPercent = percent;
            control.showProgress(progressText(percent));
        }
        if (++stepsSinceReading == kStepsBetweenClockReadings) stepsSinceReading = 0;
        if (progressed ||
            (stepsSinceReading == 0 && sinceHandOver.elapsed() >= kHandOverMilliseconds)) {
            platform.processEvents();
            sinceHandOver.restart();
            if (control.stopRequested()) return RunEnd::Stopped;
        }
        if (run.clock > static_cast<double>(control.runtime())) return RunEnd::RunLengthReached;
    }
}

QString noSourceMessage() {
    return QStringLiteral("Καμία πηγή δεν μπορεί να στείλει εργασία· η προσομοίωση σταματά.");
}

}  // namespace orven::simple_sim
