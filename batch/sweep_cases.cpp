#include "sweep_cases.h"

#include <CLI/CLI.hpp>
#include <QString>
#include <QStringList>
#include <algorithm>

#include "orven/input_rules.h"

namespace orven::batch {

namespace {

// "a" or "a..b" with a <= b, each from `lowest` to `highest`.
std::vector<long long> rangeValues(const QString& text, long long lowest, long long highest,
                                   const std::string& option) {
    const QStringList ends = text.trimmed().split(QStringLiteral(".."));
    bool ok = ends.size() <= 2;
    const long long first = ok ? ends.front().toLongLong(&ok) : 0;
    bool okLast = ok;
    const long long last = ok && ends.size() == 2 ? ends.back().toLongLong(&okLast) : first;
    if (!ok || !okLast || first > last || first < lowest || last > highest) {
        throw CLI::ValidationError(
            option, "'" + text.toStdString() + "' is not a value or a range a..b from " +
                        std::to_string(lowest) + " to " + std::to_string(highest));
    }
    std::vector<long long> values;
    for (long long v = first; v <= last; ++v) values.push_back(v);
    return values;
}

std::vector<int> populationRange(const QString& text) {
    std::vector<int> values;
    for (const long long v : rangeValues(text, 1, kMaxPopulation, "--populations"))
        values.push_back(static_cast<int>(v));
    return values;
}

// Appends every tuple of `lists`, the first list varying slowest.
void appendProduct(const std::vector<std::vector<int>>& lists, std::vector<std::vector<int>>& out) {
    std::vector<int> tuple;
    const auto walk = [&](const auto& self, std::size_t position) -> void {
        if (position == lists.size()) {
            out.push_back(tuple);
            return;
        }
        for (const int value : lists[position]) {
            tuple.push_back(value);
            self(self, position + 1);
            tuple.pop_back();
        }
    };
    walk(walk, 0);
}

std::uint64_t splitMix(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

// The run's seed: a hash of everything that makes the case what it is.
std::uint64_t caseSeed(const std::string& subcommand, const SweepCase& sweepCase) {
    std::string key = subcommand + '|';
    for (const int n : sweepCase.populations) key += std::to_string(n) + ',';
    key += '|' + sweepCase.experiment + '|' + std::to_string(sweepCase.seed);
    return splitMix(textHash(key));
}

}  // namespace

std::uint64_t textHash(const std::string& text) {
    std::uint64_t hash = 1469598103934665603ULL;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

std::vector<std::vector<int>> populationTuples(const std::string& text,
                                               const std::vector<std::size_t>& counts) {
    std::vector<std::vector<int>> tuples;
    for (const QString& alternative : QString::fromStdString(text).split(u';')) {
        const QStringList equal = alternative.split(u'x');
        if (equal.size() == 2) {
            bool ok = false;
            const int count = equal.back().trimmed().toInt(&ok);
            if (!ok || std::find(counts.begin(), counts.end(), count) == counts.end())
                throw CLI::ValidationError("--populations", "'" + alternative.toStdString() +
                                                                "': a number of populations "
                                                                "that the command does not take");
            for (const int n : populationRange(equal.front()))
                tuples.emplace_back(static_cast<std::size_t>(count), n);
            continue;
        }
        const QStringList positions = alternative.split(u',');
        if (std::find(counts.begin(), counts.end(), static_cast<std::size_t>(positions.size())) ==
            counts.end())
            throw CLI::ValidationError("--populations", "'" + alternative.toStdString() +
                                                            "': a number of populations that "
                                                            "the command does not take");
        std::vector<std::vector<int>> lists;
        for (const QString& position : positions) lists.push_back(populationRange(position));
        appendProduct(lists, tuples);
    }
    return tuples;
}

std::vector<std::string> experimentList(const std::string& text, int lowest, int highest,
                                        const std::vector<std::string>& names) {
    std::vector<std::string> experiments;
    for (const QString& item : QString::fromStdString(text).split(u',')) {
        const std::string name = item.trimmed().toStdString();
        if (std::find(names.begin(), names.end(), name) != names.end()) {
            experiments.push_back(name);
            continue;
        }
        for (const long long code : rangeValues(item, lowest, highest, "--experiment"))
            experiments.push_back(std::to_string(code));
    }
    return experiments;
}

std::vector<std::uint64_t> seedList(const std::string& text) {
    std::vector<std::uint64_t> seeds;
    for (const QString& item : QString::fromStdString(text).split(u','))
        for (const long long seed : rangeValues(item, 0, 1LL << 53, "--seeds"))
            seeds.push_back(static_cast<std::uint64_t>(seed));
    return seeds;
}

std::pair<std::size_t, std::size_t> shardOption(const std::string& text) {
    const QStringList parts = QString::fromStdString(text).split(u'/');
    bool okShard = false;
    bool okShards = false;
    const int shard = parts.size() == 2 ? parts[0].toInt(&okShard) : 0;
    const int shards = parts.size() == 2 ? parts[1].toInt(&okShards) : 0;
    if (!okShard || !okShards || shards < 1 || shard < 1 || shard > shards)
        throw CLI::ValidationError("--shard", "expected K/M with 1 <= K <= M, as 2/8");
    return {static_cast<std::size_t>(shard), static_cast<std::size_t>(shards)};
}

std::vector<SweepCase> sweepCases(const std::string& subcommand,
                                  const std::vector<std::vector<int>>& populations,
                                  const std::vector<std::string>& experiments,
                                  const std::vector<std::uint64_t>& seeds) {
    std::vector<SweepCase> cases;
    for (const auto& tuple : populations) {
        for (const std::string& experiment : experiments) {
            for (const std::uint64_t seed : seeds) {
                SweepCase sweepCase{cases.size(), tuple, experiment, seed, 0};
                sweepCase.runSeed = caseSeed(subcommand, sweepCase);
                cases.push_back(std::move(sweepCase));
            }
        }
    }
    return cases;
}

std::pair<std::size_t, std::size_t> shardRange(std::size_t cases, std::size_t shard,
                                               std::size_t shards) {
    return {cases * (shard - 1) / shards, cases * shard / shards};
}

}  // namespace orven::batch
