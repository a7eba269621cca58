#pragma once

#include <CLI/CLI.hpp>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "batch_platform.h"
#include "orven/results_block.h"

namespace orven::batch {

// The options that every subcommand shares.
struct CommonOptions {
    std::optional<std::uint64_t> seed;
    std::string date;  // "yyyy-mm-dd hh:mm:ss"
    std::string format = "block";
    std::optional<std::string> output;
};

void addCommonOptions(CLI::App& command, CommonOptions& options);

// A platform for one run: a fixed seed and clock when --seed is given, the given date or now,
// and the --output name as the answer to the file-name prompt.
std::unique_ptr<BatchPlatform> makePlatform(const CommonOptions& options);

// "5,5,5" as whole populations, each from 1 to 32767, exactly `count` of them.
std::vector<int> parsePopulations(const std::string& text, std::size_t count);

// The simple network's populations: one whole number per class, R = 2, 3 or 4 of them.
std::vector<int> classPopulations(const std::string& text);

// "K1S1,S4": the double network's offsets, each from 0 to the population of its station (N1,
// N4) among the five `stations`.
std::array<double, 2> parseOffsets(const std::string& text, const std::vector<int>& stations);

// Writes UTF-8 text to standard output as it stands.
void printText(const QString& text);

// The end of a completed run: prints the JSON that `json` builds, or the run's results block;
// returns the exit status, 1 when a write to the results file failed.
int printRunOutput(const BatchPlatform& platform, const CommonOptions& options,
                   const ResultsBlock& block, const std::function<nlohmann::ordered_json()>& json);

}  // namespace orven::batch
