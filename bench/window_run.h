#pragma once

#include <benchmark/benchmark.h>
#include <QAbstractButton>
#include <QCoreApplication>
#include <QTest>

#include "bench_platform.h"
#include "orven/vector_state.h"

namespace orven::bench {

// Default runs of a simulator's main window `Window` (constructed from a Platform), as a user
// starts them: a click on Start runs set-up, the run loop with its hand-overs to the window,
// the results window and the results file (written to a temporary folder), and returns when
// all is done. With `handOverEveryStep` the wall clock says that every step takes 20 ms, so
// that the run loop hands control to the window after every step.
template <typename Window>
void windowRuns(benchmark::State& state, bool handOverEveryStep) {
    BenchPlatform platform(BenchPlatform::Files::Written);
    if (handOverEveryStep) platform.setWallClockStep(20);
    Window window(platform);
    window.show();
    QCoreApplication::processEvents();
    auto* start = window.template findChild<QAbstractButton*>(QStringLiteral("Command1"));
    if (start == nullptr) {
        state.SkipWithError("the window has no Start button");
        return;
    }
    for (auto _ : state) QTest::mouseClick(start, Qt::LeftButton);
    // The window's painting must not slow the benchmarks that follow (see vector_state.h).
    clearUpperVectorState();
    if (platform.messageCount() != 0) state.SkipWithError("a run showed a message");
}

}  // namespace orven::bench
