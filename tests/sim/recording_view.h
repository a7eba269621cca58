#pragma once

#include <QStringList>
#include <vector>

#include "orven/sim/run_view.h"

namespace orven::sim::testing {

// A view that records what the window would be told.
class RecordingView final : public RunView {
  public:
    void runStarted() override { events.append(QStringLiteral("started")); }
    void runEnded() override { events.append(QStringLiteral("ended")); }
    void showProgress(const QString& text) override { progress.append(text); }
    void showResults(const ResultsContent& content) override {
        events.append(QStringLiteral("results"));
        shown.push_back(content);
    }

    QStringList events;
    QStringList progress;
    std::vector<ResultsContent> shown;
};

}  // namespace orven::sim::testing
