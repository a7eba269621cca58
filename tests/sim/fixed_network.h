#pragma once

#include <QStringList>

#include "orven/sim/run_loop.h"

namespace orven::sim::testing {

// A network whose every step lasts `stepLength` and draws one number; from step
// `lastStep` + 1 on no source can send.
struct FixedNetwork {
    double stepLength = 1.0;
    int lastStep = -1;
    int steps = 0;
    double now = 0.0;

    template <typename Draws>
    StepResult step(Draws& draws) {
        if (steps == lastStep) return StepResult::NoSourceCanSend;
        (void)draws.uniform();
        ++steps;
        now += stepLength;
        return StepResult::Arrived;
    }
    double clock() const { return now; }
};

// A view that records what the window would be told.
class RecordingView final : public RunView {
  public:
    void runStarted() override { events.append(QStringLiteral("started")); }
    void runEnded() override { events.append(QStringLiteral("ended")); }
    void showProgress(const QString& text) override { progress.append(text); }
    void showResults(const ResultsContent&) override { events.append(QStringLiteral("results")); }

    QStringList events;
    QStringList progress;
};

}  // namespace orven::sim::testing
