#include "sweep_shard.h"

#include <cinttypes>
#include <cstdio>

#include "orven/sim/run_controller.h"
#include "sim_command.h"

namespace orven::batch {

namespace {

using Json = nlohmann::ordered_json;

// The identity has 16 digits, so that the one format both writes and reads the line.
const char* const kCsvOpening = "# orven-batch sweep %16s shard %zu/%zu of %zu cases";

// The run length and the precision goal as the runs take them, whatever their spelling.
Json simulatorRuns(const SweepSettings& settings) {
    if (settings.subcommand != "simple-sim" && settings.subcommand != "double-sim") return {};
    sim::RunController controller;
    applySimRunOptions(settings.run, controller);
    const auto& goal = controller.precisionGoal();
    return {controller.runtime(), goal ? Json(goal->relativeHalfWidth) : Json(),
            goal ? Json(goal->maxRuntime) : Json()};
}

}  // namespace

std::pair<std::size_t, std::size_t> ShardFrame::range() const {
    return shardRange(cases, shard, shards);
}

std::string ShardFrame::name() const {
    return std::to_string(shard) + '/' + std::to_string(shards);
}

std::string sweepIdentity(const SweepCaseList& all, const SweepSettings& settings,
                          const std::string& format) {
    const Json key = {format,
                      settings.subcommand,
                      settings.populationColumns,
                      settings.withExact,
                      settings.timing,
                      simulatorRuns(settings),
                      settings.subcommand == "double-solver" ? Json(settings.offsets) : Json()};
    // The cases one at a time, so that a long sweep is hashed without holding them all.
    std::uint64_t hash = textHash(key.dump());
    for (std::size_t k = 0; k < all.size(); ++k)
        hash = textHash(std::to_string(all[k].runSeed) + ',', hash);
    char text[17];
    std::snprintf(text, sizeof text, "%016" PRIx64, hash);
    return text;
}

std::string shardOpening(const ShardFrame& frame, bool csv) {
    if (!csv) {
        const Json fields = {{"sweep", frame.sweep},
                             {"shard", frame.shard},
                             {"shards", frame.shards},
                             {"cases", frame.cases}};
        const std::string text = fields.dump();
        return text.substr(0, text.size() - 1) + ",\"rows\":";
    }
    char line[160];
    std::snprintf(line, sizeof line, kCsvOpening, frame.sweep.c_str(), frame.shard, frame.shards,
                  frame.cases);
    return line;
}

std::string shardEnding(const ShardFrame& frame, bool csv, std::size_t rows) {
    if (!csv) return "}";
    const auto [first, last] = frame.range();
    return "# end of shard " + frame.name() + ": " + std::to_string(rows) + " of " +
           std::to_string(last - first) + " rows";
}

std::optional<ShardFrame> csvShardFrame(const std::string& firstLine) {
    char sweep[17] = {};
    ShardFrame frame;
    if (std::sscanf(firstLine.c_str(), kCsvOpening, sweep, &frame.shard, &frame.shards,
                    &frame.cases) != 4)
        return std::nullopt;
    frame.sweep = sweep;
    // Only a line exactly as a sweep writes it, so that a stray comment is not taken for one.
    if (shardOpening(frame, true) != firstLine || frame.shard < 1 || frame.shard > frame.shards)
        return std::nullopt;
    return frame;
}

std::optional<ShardFrame> jsonShardFrame(const Json& part) {
    if (!part.is_object() || !part.contains("sweep") || !part["sweep"].is_string())
        return std::nullopt;
    for (const char* field : {"shard", "shards", "cases"})
        if (!part.contains(field) || !part[field].is_number_unsigned()) return std::nullopt;
    ShardFrame frame{part["sweep"].get<std::string>(), part["shard"].get<std::size_t>(),
                     part["shards"].get<std::size_t>(), part["cases"].get<std::size_t>()};
    if (frame.shard < 1 || frame.shard > frame.shards) return std::nullopt;
    return frame;
}

bool isShardEnding(const std::string& line, const ShardFrame& frame) {
    return line.starts_with("# end of shard " + frame.name() + ": ");
}

}  // namespace orven::batch
