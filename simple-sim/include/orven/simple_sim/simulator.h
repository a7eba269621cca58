#pragma once

#include <QString>
#include <array>

#include "orven/results_block.h"
#include "orven/simple_sim/engine.h"
#include "orven/simple_sim/estimates.h"
#include "orven/simple_sim/experiments.h"
#include "orven/simple_sim/setup.h"

namespace orven {
class Platform;
}

namespace orven::simple_sim {

// The run length when the program starts.
inline constexpr float kDefaultRuntime = 100000.0f;

// What the main window shows while a run goes on and when it ends.
class RunView {
  public:
    virtual ~RunView() = default;
    // The progress label's new text.
    virtual void showProgress(const QString& text) = 0;
    // Empties the results window, shows it beside the main window and fills it with `content`;
    // called first with the state numbers only (while the file prompt is open), then with all.
    virtual void showResults(const ResultsContent& content) = 0;
};

// The simulator of the simple network as the main window owns it: the experiment and run
// length, and the tables and estimates of the last run.
class SimpleSimulator final : private RunControl {
  public:
    enum class StartOutcome { Refused, Completed, Stopped, AlreadyRunning };
    enum class SetTimeOutcome { Unchanged, Changed, Refused };

    int experiment() const { return experiment_; }
    // Takes effect at the next Start; the record of a run in progress names the last choice.
    void setExperiment(int experiment) { experiment_ = experiment; }

    float runtime() const override { return runtime_; }
    // The run length in the display form, as its box shows it.
    QString runtimeText() const;
    // Sets the run length directly, as a headless run does; it must be above 0.
    void setRuntime(float runtime);
    // "Set time": asks for the run length; also changes a run in progress.
    SetTimeOutcome setTime(Platform& platform);

    // "Start": refuses populations out of range with a message; otherwise sets up, simulates,
    // shows the state numbers, asks for the file and appends the record, then shows the
    // results. A run stopped by requestStop writes and shows nothing more.
    StartOutcome start(const std::array<QString, kSources>& populationTexts, Platform& platform,
                       RunView& view);

    bool running() const { return running_; }
    // Ends a run in progress at its next hand-over to the window.
    void requestStop() { stopRequested_ = true; }

    const RunSetup& setup() const { return setup_; }
    const RunState& lastRun() const { return run_; }
    const Estimates& estimates() const { return estimates_; }
    // The record of the last completed run, as appended to its results file.
    const ResultsBlock& lastRecord() const { return record_; }

  private:
    void showProgress(const QString& text) override;
    bool stopRequested() const override { return stopRequested_; }
    void ypolog(Platform& platform, RunView& view);

    int experiment_ = kFirstExperiment;
    float runtime_ = kDefaultRuntime;
    bool running_ = false;
    bool stopRequested_ = false;
    RunView* view_ = nullptr;
    RunSetup setup_;
    RunState run_;
    Estimates estimates_;
    ResultsBlock record_;
};

}  // namespace orven::simple_sim
