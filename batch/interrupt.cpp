#include "interrupt.h"

namespace orven::batch {

namespace {

volatile std::sig_atomic_t interruptFlag = 0;

extern "C" void onInterrupt(int) {
    interruptFlag = 1;
}

}  // namespace

InterruptWatch::InterruptWatch() {
    interruptFlag = 0;
    previous_ = std::signal(SIGINT, onInterrupt);
}

InterruptWatch::~InterruptWatch() {
    std::signal(SIGINT, previous_ == SIG_ERR ? SIG_DFL : previous_);
}

const volatile std::sig_atomic_t* InterruptWatch::flag() const {
    return &interruptFlag;
}

}  // namespace orven::batch
