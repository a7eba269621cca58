// A sweep: every case of its inputs on parallel threads, its rows in case order.
#include <pybind11/pybind11.h>

#include <csignal>

#include "command_line.h"
#include "commands.h"
#include "runs.h"
#include "sweep_plan.h"
#include "sweep_pool.h"
#include "to_python.h"
#include "watch.h"

namespace orven::python {

namespace py = pybind11;

namespace {

batch::SweepOptions sweepOptions(const CommandLine& command) {
    batch::SweepOptions options;
    options.populations = command.value<std::string>("--populations");
    options.experiments = command.value<std::string>("--experiment");
    options.seeds = command.value<std::string>("--seeds");
    if (command.has("--offsets")) options.offsets = command.value<std::string>("--offsets");
    options.jobs = command.given<unsigned>("--jobs");
    options.shard = command.given<std::string>("--shard");
    options.noTiming = command.flag("--no-timing");
    if (command.has("--runtime")) {
        options.run = command.simRun();
    } else {
        options.withExact = command.flag("--with-exact");
    }
    return options;
}

}  // namespace

py::object sweep(const std::vector<std::string>& words) {
    const CommandLine command(batch::addSweepCommand, {"sweep"}, words);
    batch::SweepPlan plan = planSweep(command.subcommand(), sweepOptions(command));
    volatile std::sig_atomic_t stop = 0;
    plan.settings.interrupt = &stop;
    const std::vector<batch::SweepRow> rows = runWatched(
        [&] {
            std::vector<batch::SweepRow> taken;
            batch::runSweepCases(
                plan.size(), [&plan](std::size_t k) { return plan.caseAt(k); }, plan.settings,
                plan.threads,
                [&taken](batch::SweepRow row) {
                    taken.push_back(std::move(row));
                    return true;
                });
            return taken;
        },
        [&stop] { stop = 1; });

    py::list columns;
    if (!rows.empty())
        for (const auto& [name, value] : rows.front()) columns.append(name);
    py::list values;
    for (const batch::SweepRow& row : rows) {
        py::list cells;
        for (const auto& [name, value] : row) cells.append(toPython(value));
        values.append(cells);
    }
    py::dict out;
    out["columns"] = columns;
    out["rows"] = values;
    return out;
}

}  // namespace orven::python
