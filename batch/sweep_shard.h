#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "sweep_cases.h"
#include "sweep_runs.h"

namespace orven::batch {

// What a slice of a sweep says of itself, so that `join` can tell that its slices belong
// together and that none is missing, repeated or cut short.
struct ShardFrame {
    std::string sweep;       // the identity of the whole sweep
    std::size_t shard = 1;   // K of K/M
    std::size_t shards = 1;  // M
    std::size_t cases = 0;   // the cases of the whole sweep

    // The cases of this slice, as indices into the whole sweep.
    std::pair<std::size_t, std::size_t> range() const;
    std::string name() const;  // "K/M"
};

// 16 hex digits hashed from what makes the rows of a sweep: its cases, the settings of their
// runs and the format. Threads, slicing and the plot do not change it, nor does a different
// spelling of the same cases or run length.
std::string sweepIdentity(const SweepCaseList& all, const SweepSettings& settings,
                          const std::string& format);

// The lines around a slice's rows. CSV: a comment line before the header, and one after the
// last row that a slice cut off never has. JSON: an object that holds the array of rows.
std::string shardOpening(const ShardFrame& frame, bool csv);
std::string shardEnding(const ShardFrame& frame, bool csv, std::size_t rows);

// The frame of a CSV part's first line, or of a JSON part; nothing where there is none.
std::optional<ShardFrame> csvShardFrame(const std::string& firstLine);
std::optional<ShardFrame> jsonShardFrame(const nlohmann::ordered_json& part);
// Whether a CSV line is the end line of `frame`.
bool isShardEnding(const std::string& line, const ShardFrame& frame);

}  // namespace orven::batch
