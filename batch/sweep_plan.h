#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sim_command.h"
#include "sweep_cases.h"
#include "sweep_runs.h"

namespace orven::batch {

// The inputs of a sweep as its command line gives them.
struct SweepOptions {
    std::string populations;
    std::string experiments = "0";
    std::string seeds = "1";
    std::string offsets = "0,0";
    std::optional<unsigned> jobs;
    std::optional<std::string> shard;
    std::string format = "csv";
    bool withExact = false;
    bool noTiming = false;
    std::optional<std::string> plot;
    SimRunOptions run;
};

// What a sweep runs: every case of the sweep, the slice asked for, how each case runs (without
// an interrupt flag), and on how many threads.
struct SweepPlan {
    explicit SweepPlan(SweepCaseList cases) : all(std::move(cases)) {}

    SweepCaseList all;
    std::size_t shard = 1;  // K of --shard K/M
    std::size_t shards = 1;
    std::size_t first = 0;  // the slice's cases, as places in the whole sweep
    std::size_t last = 0;
    SweepSettings settings;
    unsigned threads = 1;

    std::size_t size() const { return last - first; }
    // The k-th case of the slice.
    SweepCase caseAt(std::size_t k) const { return all[first + k]; }
};

// Every input is checked here, so that a bad one refuses the command line before any case runs.
SweepPlan planSweep(const std::string& subcommand, const SweepOptions& options);

}  // namespace orven::batch
