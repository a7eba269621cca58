#include "sweep_pool.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace orven::batch {

std::size_t runSweepCases(const std::vector<SweepCase>& cases, const SweepSettings& settings,
                          unsigned threads, const std::function<bool(SweepRow)>& take) {
    return runSweepCases(
        cases.size(), [&](std::size_t index) { return cases[index]; }, settings, threads, take);
}

std::size_t runSweepCases(std::size_t count, const std::function<SweepCase(std::size_t)>& caseAt,
                          const SweepSettings& settings, unsigned threads,
                          const std::function<bool(SweepRow)>& take) {
    std::map<std::size_t, SweepRow> rows;
    std::mutex mutex;
    std::condition_variable ready;
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stop{false};
    const auto stopped = [&] {
        return stop.load() || (settings.interrupt != nullptr && *settings.interrupt != 0);
    };
    const auto workerCount =
        static_cast<unsigned>(std::max<std::size_t>(1, std::min<std::size_t>(threads, count)));
    std::size_t running = workerCount;
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < workerCount; ++t) {
        workers.emplace_back([&] {
            for (std::size_t i = next++; i < count && !stopped(); i = next++) {
                SweepRow row = runSweepCase(caseAt(i), settings);
                const std::lock_guard lock(mutex);
                rows.emplace(i, std::move(row));
                ready.notify_all();
            }
            const std::lock_guard lock(mutex);
            --running;
            ready.notify_all();
        });
    }

    std::size_t taken = 0;
    for (; taken < count; ++taken) {
        std::unique_lock lock(mutex);
        ready.wait(lock, [&] { return rows.contains(taken) || running == 0; });
        const auto found = rows.find(taken);
        if (found == rows.end()) break;
        SweepRow row = std::move(found->second);
        rows.erase(found);
        lock.unlock();
        if (stopped() || !take(std::move(row))) break;
    }
    stop = true;
    for (std::thread& worker : workers) worker.join();
    return taken;
}

}  // namespace orven::batch
