#pragma once

#include <QString>
#include <csignal>
#include <optional>

#include "orven/sim/run_length.h"
#include "orven/sim/run_view.h"

namespace orven {
class Platform;
}

namespace orven::sim {

// The run length in use and the state of the run in progress, as every simulator's main window
// owns them: whether a run is going, and whether it has been asked to stop.
class RunController {
  public:
    enum class SetTimeOutcome { Unchanged, Changed, Refused };

    // The run length in use. A change during a run applies from the run's next hand-over.
    float runtime() const { return runtime_; }
    // The run length in the display form, as the run-length field shows it.
    QString runtimeText() const;
    // Sets the run length directly, as a headless run does: above 0, at most kMaxRuntime.
    void setRuntime(float runtime);
    // "Set time": asks for the run length. An answer that is not a number changes nothing,
    // silently; a number out of range is refused with a warning naming the limit.
    SetTimeOutcome setTime(Platform& platform);

    // A run that goes on, doubling its length, until the 95 % half-width of every output is at
    // most `relativeHalfWidth` of the output, or its length reaches `maxRuntime`.
    struct PrecisionGoal {
        double relativeHalfWidth = 0.0;
        float maxRuntime = 0.0f;
    };
    void setPrecisionGoal(std::optional<PrecisionGoal> goal) { precisionGoal_ = goal; }
    const std::optional<PrecisionGoal>& precisionGoal() const { return precisionGoal_; }

    bool running() const { return running_; }
    // Ends a run in progress at its next hand-over.
    void requestStop() { stopRequested_ = true; }
    // Also ends a run in progress once `flag` is set, as a signal handler may set it.
    void stopWhenSet(const volatile std::sig_atomic_t* flag) { interrupt_ = flag; }
    const volatile std::sig_atomic_t* interruptFlag() const { return interrupt_; }
    bool stopRequested() const {
        return stopRequested_ || (interrupt_ != nullptr && *interrupt_ != 0);
    }

    // A run in progress for as long as it lives, however it ends; the view hears of its start
    // and its end.
    class Run {
      public:
        Run(RunController& controller, RunView& view) : controller_(controller), view_(view) {
            controller_.running_ = true;
            controller_.stopRequested_ = false;
            view_.runStarted();
        }
        ~Run() {
            controller_.running_ = false;
            view_.runEnded();
        }
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;

      private:
        RunController& controller_;
        RunView& view_;
    };

  private:
    float runtime_ = kDefaultRuntime;
    bool running_ = false;
    bool stopRequested_ = false;
    const volatile std::sig_atomic_t* interrupt_ = nullptr;
    std::optional<PrecisionGoal> precisionGoal_;
};

}  // namespace orven::sim
