#pragma once

#include <pybind11/pybind11.h>

#include <chrono>
#include <future>
#include <utility>

namespace orven::python {

// How often a computation in progress looks for Ctrl-C: the interpreter runs its signal
// handlers only on the thread that holds the GIL, so the calling thread wakes to run them.
inline constexpr std::chrono::milliseconds kSignalPoll{50};

// Runs `work` on a thread of its own while the caller waits without the GIL. When a signal
// handler raises (KeyboardInterrupt on Ctrl-C), `stop` is called, the work is waited for and
// the exception goes on to the caller; otherwise the work's result or its exception.
template <typename Work, typename Stop>
auto runWatched(Work work, Stop stop) {
    auto done = std::async(std::launch::async, std::move(work));
    for (;;) {
        {
            pybind11::gil_scoped_release released;
            if (done.wait_for(kSignalPoll) == std::future_status::ready) break;
        }
        if (PyErr_CheckSignals() != 0) {
            stop();
            {
                pybind11::gil_scoped_release released;
                done.wait();
            }
            throw pybind11::error_already_set();
        }
    }
    return done.get();
}

}  // namespace orven::python
