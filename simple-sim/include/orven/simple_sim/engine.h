#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "orven/simple_sim/setup.h"
#include "orven/simple_sim/source_table.h"

namespace orven {
class Platform;
}

namespace orven::simple_sim {

// The length a step starts from; a drawn time must fall below it to win the usual way.
inline constexpr float kStepSentinel = 111111.0f;
// The time recorded for a source whose queue is full (it draws nothing).
inline constexpr float kFullQueueTime = 9999999.0f;

// The state of one simulation run, kept after the run for the estimates.
struct RunState {
    explicit RunState(int nmax = 0) : T(nmax) {}

    std::array<int, kSources + 1> n{};    // jobs waiting in queue 1..3
    std::array<float, kSources + 1> t{};  // times drawn in the last step
    float tmin = kStepSentinel;           // length of the last step
    int kmin = 0;                         // the source that won the last step
    double clock = 0.0;                   // simulated time since the start
    TimeTable T;                          // time spent per queue length
    std::int64_t count = 0;               // firings of the synchronization station
};

enum class StepResult { Arrived, NoSourceCanSend };

// One step: fresh exponential times for every source that can send, the smallest wins (the
// lower-numbered source on a tie), the step's time is credited to the queue lengths before
// the arrival, the job arrives and the station fires when no queue is empty. A source whose
// queue is full, or whose rate is 0, draws nothing. When no drawn time is below the sentinel
// the smallest drawn time still wins; when no source can send at all nothing changes.
StepResult step(const RunSetup& setup, RunState& run, Platform& platform);

// What a run reads from, and shows in, the window while it goes on.
class RunControl {
  public:
    virtual ~RunControl() = default;
    // The run length, read afresh at every step: "Set time" may change it during the run.
    virtual float runtime() const = 0;
    virtual void showProgress(const QString& text) = 0;
    // True once the program is ending; checked after every hand-over to the window.
    virtual bool stopRequested() const = 0;
};

enum class RunEnd { RunLengthReached, NoSourceCanSend, Stopped };

// Tenths of the run length reached, as the per-cent figure of the progress label (0..100).
int progressPercent(double clock, float runtime);
// The progress label's text: " 40 %".
QString progressText(int percent);

// `montecarlo`: steps from empty queues and a zero clock until the clock passes the run
// length. The generator is reseeded at the start. The window gets control at least every
// 20 ms of wall time and whenever the progress figure changes.
RunEnd montecarlo(const RunSetup& setup, RunState& run, Platform& platform, RunControl& control);

// The warning shown when no source can send a job.
QString noSourceMessage();

}  // namespace orven::simple_sim
