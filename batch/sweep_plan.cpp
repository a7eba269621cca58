#include "sweep_plan.h"

#include <CLI/CLI.hpp>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <thread>
#include <tuple>

#include "orven/sim/rate_setup.h"

namespace orven::batch {

namespace {

std::vector<std::size_t> populationCounts(const std::string& subcommand) {
    if (subcommand == "simple-solver") return {2, 3, 4};
    if (subcommand == "double-solver") return {5};
    if (subcommand == "simple-sim") return {3};
    return {4};
}

std::vector<std::string> experiments(const std::string& subcommand, const std::string& text) {
    if (subcommand == "simple-sim") return experimentList(text, 0, sim::kRandomExperiment, {});
    if (subcommand == "simple-solver") return experimentList(text, 0, 2, {});
    return experimentList(text, 0, 2, {"random"});
}

std::array<double, 2> offsetsOption(const std::string& text) {
    const QStringList parts = QString::fromStdString(text).split(u',');
    std::array<double, 2> offsets{};
    bool ok = parts.size() == 2;
    for (std::size_t k = 0; ok && k < 2; ++k) {
        offsets[k] = parts[static_cast<qsizetype>(k)].trimmed().toDouble(&ok);
        ok = ok && std::isfinite(offsets[k]) && offsets[k] >= 0;
    }
    if (!ok) throw CLI::ValidationError("--offsets", "expected K1S1,S4: two numbers of at least 0");
    return offsets;
}

}  // namespace

SweepPlan planSweep(const std::string& subcommand, const SweepOptions& options) {
    SweepPlan plan(sweepCaseList(subcommand, options.populations, populationCounts(subcommand),
                                 experiments(subcommand, options.experiments), options.seeds));
    std::tie(plan.shard, plan.shards) =
        options.shard ? shardOption(*options.shard) : std::pair<std::size_t, std::size_t>{1, 1};
    std::tie(plan.first, plan.last) = shardRange(plan.all.size(), plan.shard, plan.shards);
    SweepSettings& settings = plan.settings;
    settings.subcommand = subcommand;
    settings.populationColumns = plan.all.populationColumns();
    settings.withExact = options.withExact || options.run.withExact;
    settings.timing = !options.noTiming;
    settings.run = options.run;
    settings.offsets = offsetsOption(options.offsets);
    if (subcommand == "simple-sim" || subcommand == "double-sim") {
        // A bad run length refuses the command line before any case runs.
        sim::RunController check;
        applySimRunOptions(settings.run, check);
    }
    plan.threads = options.jobs.value_or(std::thread::hardware_concurrency());
    return plan;
}

}  // namespace orven::batch
