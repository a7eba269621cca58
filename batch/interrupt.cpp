#include "interrupt.h"

#include <iterator>

namespace orven::batch {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t interruptFlag = 0;

extern "C" void onInterrupt(int signal) {
    interruptFlag = signal;
}

}  // namespace

InterruptWatch::InterruptWatch() {
    interruptFlag = 0;
    for (std::size_t k = 0; k < std::size(kSignals); ++k) {
        previous_[k] = std::signal(kSignals[k], onInterrupt);
        if (previous_[k] == SIG_IGN) std::signal(kSignals[k], SIG_IGN);
    }
}

InterruptWatch::~InterruptWatch() {
    for (std::size_t k = 0; k < std::size(kSignals); ++k)
        std::signal(kSignals[k], previous_[k] == SIG_ERR ? SIG_DFL : previous_[k]);
}

const volatile std::sig_atomic_t* InterruptWatch::flag() const {
    return &interruptFlag;
}

}  // namespace orven::batch
