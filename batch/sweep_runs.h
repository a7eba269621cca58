#pragma once

#include <array>
#include <csignal>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "sim_command.h"
#include "sweep_cases.h"
#include "sweep_row.h"

namespace orven::batch {

// How every case of one sweep runs.
struct SweepSettings {
    std::string subcommand;             // simple-solver, double-solver, simple-sim or double-sim
    std::size_t populationColumns = 0;  // N1..N<this>, empty beyond a case's own populations
    bool withExact = false;
    bool timing = true;
    SimRunOptions run;                    // the simulators: run length and precision
    std::array<double, 2> offsets{0, 0};  // the double solver: K1S1 and S4
    const volatile std::sig_atomic_t* interrupt = nullptr;
};

// The subcommands that a sweep runs.
const std::vector<std::string>& sweepSubcommands();

// The columns of a case's row that are its inputs: its number, its populations, experiment and
// seed.
SweepRow inputColumns(const SweepCase& sweepCase, const SweepSettings& settings);

// Runs one case, in its own platform and state, and gives its row: the case's inputs, the
// outputs with their half-widths, the exact value with the deviation or z-scores where asked and
// available, iterations or run length, and the seconds it took.
SweepRow runSweepCase(const SweepCase& sweepCase, const SweepSettings& settings);

}  // namespace orven::batch
