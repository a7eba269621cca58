#pragma once

#include <QString>

#include "orven/sim/results_content.h"

namespace orven::sim {

// What a simulator run tells its window. Every function does nothing unless the window
// overrides it, so a headless run uses this class as it stands.
class RunView {
  public:
    virtual ~RunView() = default;

    // A run has begun (Start and the experiment choice are then unavailable) or ended, however.
    virtual void runStarted() {}
    virtual void runEnded() {}
    // The progress label's new text, only when it changes.
    virtual void showProgress(const QString& text) { (void)text; }
    // Empties the results window, shows it beside the main window and fills it with `content`;
    // called first with the state numbers only (while the file prompt is open), then with all.
    virtual void showResults(const ResultsContent& content) { (void)content; }
};

}  // namespace orven::sim
