#pragma once

#include "orven/sim/run_loop.h"
#include "recording_view.h"

namespace orven::sim::testing {

// A network whose every step lasts `stepLength` and draws one number; from step
// `lastStep` + 1 on no source can send.
struct FixedNetwork {
    double stepLength = 1.0;
    int lastStep = -1;
    int steps = 0;
    double now = 0.0;

    template <typename Draws>
    Steps stepsUntil(Draws& draws, double until, unsigned most) {
        Steps made;
        do {
            if (steps == lastStep) return {made.made, StepResult::NoSourceCanSend};
            (void)draws.template negativeLogsFor<1>(1U);
            ++steps;
            now += stepLength;
        } while (++made.made < most && now < until);
        return made;
    }
    double clock() const { return now; }
};

}  // namespace orven::sim::testing
