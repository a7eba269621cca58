#pragma once

#include <QStringList>
#include <cmath>
#include <string>

#include "orven/simple_sim/engine.h"
#include "orven/simple_sim/simulator.h"

namespace orven::simple_sim::testing {

// A run control with a fixed run length that records the progress texts.
class RecordingControl final : public RunControl {
  public:
    explicit RecordingControl(float length) : length_(length) {}
    float runtime() const override { return length_; }
    void showProgress(const QString& text) override { progress.append(text); }
    bool stopRequested() const override { return false; }

    QStringList progress;

  private:
    float length_;
};

// A view that records what the main window would be told.
class RecordingView final : public RunView {
  public:
    void showProgress(const QString& text) override { progress.append(text); }
    void showResults(const ResultsContent& content) override { shown.push_back(content); }

    QStringList progress;
    std::vector<ResultsContent> shown;
};

// Names a parameterised case after its `name` field.
struct CaseName {
    template <typename Info>
    std::string operator()(const Info& info) const {
        return info.param.name;
    }
};

// The uniform draw that gives an exponential time of `time` at rate 1.
inline float drawFor(double time) {
    return static_cast<float>(std::exp(-time));
}

}  // namespace orven::simple_sim::testing
