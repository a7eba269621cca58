#include "orven/simple_sim/simulator.h"

#include <cassert>

#include "orven/input_rules.h"
#include "orven/number_text.h"
#include "orven/platform.h"
#include "orven/results_file.h"
#include "orven/simple_sim/results_record.h"
#include "orven/simple_sim/run_length.h"

namespace orven::simple_sim {

QString SimpleSimulator::runtimeText() const {
    return displayFormSingle(runtime_);
}

void SimpleSimulator::setRuntime(float runtime) {
    assert(runtime > 0.0f);
    runtime_ = runtime;
}

SimpleSimulator::SetTimeOutcome SimpleSimulator::setTime(Platform& platform) {
    const QString answer = platform.askText(runLengthPromptText(), QString(), QString());
    const RunLengthAnswer read = readRunLength(answer);
    switch (read.kind) {
        case RunLengthAnswer::Kind::NotANumber:
            return SetTimeOutcome::Unchanged;
        case RunLengthAnswer::Kind::OutOfRange:
            platform.showMessage(runLengthRangeMessage(), MessageIcon::Warning, errorTitle());
            return SetTimeOutcome::Refused;
        case RunLengthAnswer::Kind::Accepted:
            break;
    }
    runtime_ = read.value;
    return SetTimeOutcome::Changed;
}

SimpleSimulator::StartOutcome SimpleSimulator::start(
    const std::array<QString, kSources>& populationTexts, Platform& platform, RunView& view) {
    if (running_) return StartOutcome::AlreadyRunning;
    if (const auto problem = populationProblem(populationTexts)) {
        platform.showMessage(*problem, MessageIcon::Warning, errorTitle());
        return StartOutcome::Refused;
    }
    running_ = true;
    stopRequested_ = false;
    view_ = &view;
    setup_ = initiate(populationTexts, experiment_, platform);
    const RunEnd end = montecarlo(setup_, run_, platform, *this);
    view_ = nullptr;
    if (end == RunEnd::Stopped) {
        running_ = false;
        return StartOutcome::Stopped;
    }
    ypolog(platform, view);
    running_ = false;
    return StartOutcome::Completed;
}

void SimpleSimulator::showProgress(const QString& text) {
    if (view_ != nullptr) view_->showProgress(text);
}

void SimpleSimulator::ypolog(Platform& platform, RunView& view) {
    estimates_ = estimate(run_);
    view.showResults(stateNumbers(setup_.Nmax));
    const QString answer = askResultsFileName(platform, filePromptDefault());
    record_ = resultsRecord(platform.currentDateTime(), experiment_, runtime_, setup_, estimates_);
    saveResultsBlock(platform, answer, record_);
    view.showResults(resultsContent(estimates_));
}

}  // namespace orven::simple_sim
