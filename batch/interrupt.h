#pragma once

#include <csignal>

namespace orven::batch {

// While it lives, Ctrl-C (SIGINT) does not end the process but sets a flag that a simulation
// run reads at its hand-overs, so that the run ends cleanly and writes nothing. SIGTERM and
// SIGHUP, with which a cluster scheduler ends a task at its time limit or a closed terminal
// ends its jobs, are taken the same way, so that a sweep keeps the rows it finished; a signal
// that the process was started ignoring (nohup, a background job) stays ignored. The previous
// handling of the signals comes back when it ends.
class InterruptWatch {
  public:
    InterruptWatch();
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    // The flag that the signal sets: the number of the signal, 0 until one comes.
    const volatile std::sig_atomic_t* flag() const;
    bool interrupted() const { return *flag() != 0; }
    // As shells report a process ended by the signal that came: 130, 143 or 129.
    int exitStatus() const { return 128 + *flag(); }

  private:
    using Handler = void (*)(int);
    Handler previous_[3];
};

}  // namespace orven::batch
