#pragma once

#include <optional>
#include <string>
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

// What a sweep runs: the cases of the slice asked for, how each runs (without an interrupt
// flag), and on how many threads.
struct SweepPlan {
    std::vector<SweepCase> cases;
    SweepSettings settings;
    unsigned threads = 1;
};

// Every input is checked here, so that a bad one refuses the command line before any case runs.
SweepPlan planSweep(const std::string& subcommand, const SweepOptions& options);

}  // namespace orven::batch
