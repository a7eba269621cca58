#pragma once

#include <csignal>

namespace orven::batch {

// The exit status of a run ended by Ctrl-C, as shells report a process ended by SIGINT.
inline constexpr int kInterruptedStatus = 130;

// While it lives, Ctrl-C (SIGINT) does not end the process but sets a flag that a simulation
// run reads at its hand-overs, so that the run ends cleanly and writes nothing. The previous
// handling of the signal comes back when it ends.
class InterruptWatch {
  public:
    InterruptWatch();
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    // The flag that the signal sets.
    const volatile std::sig_atomic_t* flag() const;
    bool interrupted() const { return *flag() != 0; }

  private:
    using Handler = void (*)(int);
    Handler previous_;
};

}  // namespace orven::batch
