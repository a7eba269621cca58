#include "sweep_pool.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace orven::batch {

std::size_t runSweepCases(const std::vector<SweepCase>& cases, const SweepSettings& settings,
                          unsigned threads, const std::function<bool(SweepRow)>& take) {
    std::vector<std::optional<SweepRow>> rows(cases.size());
    std::mutex mutex;
    std::condition_variable ready;
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stop{false};
    const auto stopped = [&] {
        return stop.load() || (settings.interrupt != nullptr && *settings.interrupt != 0);
    };
    const unsigned workerCount = std::clamp<unsigned>(
        threads, 1, static_cast<unsigned>(std::max<std::size_t>(cases.size(), 1)));
    std::size_t running = workerCount;
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < workerCount; ++t) {
        workers.emplace_back([&] {
            for (std::size_t i = next++; i < cases.size() && !stopped(); i = next++) {
                SweepRow row = runSweepCase(cases[i], settings);
                const std::lock_guard lock(mutex);
                rows[i] = std::move(row);
                ready.notify_all();
            }
            const std::lock_guard lock(mutex);
            --running;
            ready.notify_all();
        });
    }

    std::size_t taken = 0;
    for (; taken < cases.size(); ++taken) {
        std::unique_lock lock(mutex);
        ready.wait(lock, [&] { return rows[taken].has_value() || running == 0; });
        if (!rows[taken]) break;
        SweepRow row = std::move(*rows[taken]);
        lock.unlock();
        if (stopped() || !take(std::move(row))) break;
    }
    stop = true;
    for (std::thread& worker : workers) worker.join();
    return taken;
}

}  // namespace orven::batch
