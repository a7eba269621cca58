#include "orven/sim/run_controller.h"

#include <cassert>

#include "orven/input_rules.h"
#include "orven/number_text.h"
#include "orven/platform.h"

namespace orven::sim {

QString RunController::runtimeText() const {
    return displayFormSingle(runtime_);
}

void RunController::setRuntime(float runtime) {
    // The limit in single precision, as an accepted answer of exactly the limit is kept.
    assert(runtime > 0.0f && runtime <= static_cast<float>(kMaxRuntime));
    runtime_ = runtime;
}

RunController::SetTimeOutcome RunController::setTime(Platform& platform) {
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

}  // namespace orven::sim
