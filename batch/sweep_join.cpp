#include "sweep_join.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <utility>

#include "sweep_shard.h"

namespace orven::batch {

namespace {

using Json = nlohmann::ordered_json;

// One part read back: the slice it says it is, and its rows as they were written.
struct Part {
    Part(std::string file, ShardFrame slice, bool isCsv)
        : path(std::move(file)), frame(std::move(slice)), csv(isCsv) {}

    std::string path;
    ShardFrame frame;
    bool csv;
    std::string header;              // CSV: the line of column names, empty without rows
    std::vector<std::string> lines;  // CSV: the rows
    Json rows = Json::array();       // JSON: the rows

    std::size_t rowCount() const { return csv ? lines.size() : rows.size(); }
    // The case number of row k, 0 where it has none.
    std::size_t caseOf(std::size_t k) const {
        if (!csv) return rows[k].is_object() ? rows[k].value("case", std::size_t{0}) : 0;
        char* end = nullptr;
        const std::size_t number = std::strtoull(lines[k].c_str(), &end, 10);
        return *end == ',' ? number : 0;
    }
    std::string slice() const { return path + ": shard " + frame.name(); }
};

// The records of a CSV text: its lines, except that a quoted cell may hold a line break.
std::vector<std::string> csvRecords(const std::string& text) {
    std::vector<std::string> records;
    std::string record;
    bool quoted = false;
    for (const char c : text) {
        if (c == '\n' && !quoted) {
            records.push_back(std::move(record));
            record.clear();
            continue;
        }
        if (c == '"') quoted = !quoted;
        record += c;
    }
    if (!record.empty()) records.push_back(std::move(record));
    return records;
}

// A part is complete when it ends as a sweep ends it, with every row of its slice in order.
void checkComplete(const Part& part, bool ended, std::vector<std::string>& problems) {
    const auto [first, last] = part.frame.range();
    const std::string rows = std::to_string(part.rowCount());
    if (!ended) {
        problems.push_back(part.slice() + " is cut off: " +
                           (part.csv ? "no end line after its " + rows + " rows"
                                     : std::string("its JSON is not whole")));
        return;
    }
    if (part.rowCount() != last - first) {
        problems.push_back(part.slice() + " is incomplete: " + rows + " of " +
                           std::to_string(last - first) +
                           " rows (its sweep was stopped before it finished)");
        return;
    }
    for (std::size_t k = 0; k < part.rowCount(); ++k) {
        if (part.caseOf(k) != first + k + 1) {
            problems.push_back(part.slice() + ": row " + std::to_string(k + 1) + " is not case " +
                               std::to_string(first + k + 1));
            return;
        }
    }
}

std::optional<Part> csvPart(const std::string& path, const std::string& text,
                            std::vector<std::string>& problems) {
    const std::vector<std::string> records = csvRecords(text);
    const std::optional<ShardFrame> frame = csvShardFrame(records.front());
    if (!frame) return std::nullopt;
    Part part(path, *frame, true);
    const bool ended =
        records.size() > 1 && text.ends_with('\n') && isShardEnding(records.back(), *frame);
    // What is left of an end line cut short is no row either.
    const auto rowsEnd = records.end() - (ended || records.back().starts_with('#') ? 1 : 0);
    if (records.begin() + 1 < rowsEnd) {
        part.header = records[1];
        part.lines.assign(records.begin() + 2, rowsEnd);
    }
    checkComplete(part, ended, problems);
    return part;
}

std::optional<Part> jsonPart(const std::string& path, const std::string& text,
                             std::vector<std::string>& problems) {
    // The first line holds the frame, so that a part cut off still says which slice it is.
    const std::string opening = text.substr(0, text.find('\n'));
    const std::optional<ShardFrame> frame =
        jsonShardFrame(Json::parse(opening + "[]}", nullptr, false));
    if (!frame) return std::nullopt;
    Part part(path, *frame, false);
    const Json whole = Json::parse(text, nullptr, false);
    const bool ended = !whole.is_discarded() && whole.contains("rows") && whole["rows"].is_array();
    if (ended) part.rows = whole["rows"];
    checkComplete(part, ended, problems);
    return part;
}

std::optional<Part> readPart(const std::string& path, std::vector<std::string>& problems) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    if (!file) {
        problems.push_back(path + ": cannot be read: " + std::strerror(errno));
        return std::nullopt;
    }
    const std::string text = content.str();
    if (text.empty()) {
        problems.push_back(path + ": empty (its task printed nothing)");
        return std::nullopt;
    }
    std::optional<Part> part;
    if (text.starts_with('#')) part = csvPart(path, text, problems);
    if (text.starts_with('{')) part = jsonPart(path, text, problems);
    if (!part)
        problems.push_back(path +
                           ": not a slice of a sweep (one that `sweep --shard K/M` wrote begins "
                           "with the sweep and the slice it is)");
    return part;
}

std::string sweepOf(const Part& part) {
    return "sweep " + part.frame.sweep + " in " + std::to_string(part.frame.shards) + " shards";
}

// The slices of the sweep that most parts belong to, in order; a part of another sweep and a
// slice given twice are problems, and so is every slice missing.
std::vector<const Part*> slicesOfOneSweep(const std::vector<Part>& parts,
                                          std::vector<std::string>& problems) {
    std::map<std::string, std::size_t> votes;
    const Part* most = &parts.front();
    for (const Part& part : parts) {
        const std::size_t count = ++votes[sweepOf(part)];
        if (count > votes[sweepOf(*most)]) most = &part;
    }
    std::vector<const Part*> slices(most->frame.shards);
    for (const Part& part : parts) {
        if (sweepOf(part) != sweepOf(*most)) {
            problems.push_back(part.slice() + " of another sweep (" + sweepOf(part) +
                               "; the others: " + sweepOf(*most) + ")");
            continue;
        }
        const Part*& slice = slices[part.frame.shard - 1];
        if (slice != nullptr)
            problems.push_back(part.slice() + " repeats " + slice->path);
        else
            slice = &part;
    }
    for (std::size_t k = 0; k < slices.size(); ++k)
        if (slices[k] == nullptr)
            problems.push_back("shard " + std::to_string(k + 1) + "/" +
                               std::to_string(slices.size()) + " is missing");
    return slices;
}

// The rows in the layout of a sweep without --shard.
std::string wholeSweep(const std::vector<const Part*>& slices) {
    std::string text;
    if (slices.front()->csv) {
        for (const Part* slice : slices) {
            if (text.empty() && !slice->header.empty()) text = slice->header + '\n';
            for (const std::string& line : slice->lines) text += line + '\n';
        }
        return text;
    }
    for (const Part* slice : slices)
        for (const Json& row : slice->rows)
            text += (text.empty() ? "[\n  " : ",\n  ") + row.dump() + '\n';
    return text + (text.empty() ? "[]\n" : "]\n");
}

}  // namespace

JoinedSweep joinSweepParts(const std::vector<std::string>& paths) {
    JoinedSweep joined;
    std::vector<Part> parts;
    for (const std::string& path : paths)
        if (std::optional<Part> part = readPart(path, joined.problems)) parts.push_back(*part);
    if (parts.empty()) return joined;
    const std::vector<const Part*> slices = slicesOfOneSweep(parts, joined.problems);
    if (joined.problems.empty()) joined.text = wholeSweep(slices);
    return joined;
}

}  // namespace orven::batch
