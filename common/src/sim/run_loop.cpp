#include "orven/sim/run_loop.h"

#include <algorithm>

#include "orven/input_rules.h"
#include "orven/sim/progress.h"

namespace orven::sim {

namespace {

// The window gets control at least this often while a run goes on.
constexpr std::int64_t kHandOverMilliseconds = 20;
// Reading the wall clock costs more than a step, so it is read every so many steps: at first
// every 64, then as many as keep the readings about a millisecond apart, whatever a step costs
// (from a reading after every step, for steps that take milliseconds, to one in 65536).
constexpr unsigned kFirstStepsBetweenReadings = 64;
constexpr unsigned kMostStepsBetweenReadings = 65536;
// The clock at which the next figure is due is computed a hair early, so that rounding can
// never skip a figure; the exact figure is computed when it is reached.
constexpr double kEarly = 1.0 - 1e-9;

}  // namespace

RunPacer::RunPacer(Platform& platform, RunController& controller, RunView& view)
    : platform_(platform),
      controller_(controller),
      view_(view),
      runtime_(static_cast<double>(controller.runtime())),
      stepsBetweenReadings_(kFirstStepsBetweenReadings),
      stepsUntilReading_(kFirstStepsBetweenReadings),
      lastHandOver_(platform.wallClockMilliseconds()),
      lastReading_(lastHandOver_) {}

bool RunPacer::showFigure(double clock) {
    const int percent = progressPercent(clock, runtime_);
    nextFigureClock_ = percent >= 100 ? std::numeric_limits<double>::infinity()
                                      : (percent / 10 + 1) * runtime_ / 10.0 * kEarly;
    if (percent == shownPercent_) return false;
    shownPercent_ = percent;
    view_.showProgress(progressText(percent));
    return true;
}

bool RunPacer::afterStep(double clock) {
    const bool progressed = clock >= nextFigureClock_ && showFigure(clock);
    bool timeUp = false;
    if (stepsUntilReading_ == 0) {
        const std::int64_t now = platform_.wallClockMilliseconds();
        const std::int64_t sinceReading = now - lastReading_;
        if (sinceReading == 0 && stepsBetweenReadings_ < kMostStepsBetweenReadings) {
            stepsBetweenReadings_ *= 2;
        } else if (sinceReading >= 2 && stepsBetweenReadings_ > 1) {
            stepsBetweenReadings_ /= 2;
        }
        stepsUntilReading_ = stepsBetweenReadings_;
        lastReading_ = now;
        timeUp = now - lastHandOver_ >= kHandOverMilliseconds;
    }
    if (!progressed && !timeUp) return false;

    platform_.processEvents();
    lastHandOver_ = platform_.wallClockMilliseconds();
    lastReading_ = lastHandOver_;
    if (controller_.stopRequested()) return true;
    // A "Set time" during the hand-over: the figure follows the new length at once, so that a
    // run it ends shows 100 % like any other.
    runtime_ = static_cast<double>(controller_.runtime());
    showFigure(clock);
    return false;
}

bool lengthenForPrecision(RunController& controller, const BatchMeans& batches,
                          const RunTotals& now) {
    const auto& goal = controller.precisionGoal();
    if (!goal) return false;
    const std::optional<double> reached = batches.largestRelativeHalfWidthX(now);
    if (reached && *reached <= goal->relativeHalfWidth) return false;
    if (controller.runtime() >= goal->maxRuntime) return false;
    controller.setRuntime(std::min(2.0f * controller.runtime(), goal->maxRuntime));
    return true;
}

QString noSourceMessage() {
    return QStringLiteral("Καμία πηγή δεν μπορεί να στείλει εργασία· η προσομοίωση σταματά.");
}

void reportNoSource(Platform& platform) {
    platform.showMessage(noSourceMessage(), MessageIcon::Warning, errorTitle());
}

}  // namespace orven::sim
