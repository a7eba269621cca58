#include "sweep_cases.h"

#include <CLI/CLI.hpp>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdint>

#include "orven/input_rules.h"

namespace orven::batch {

namespace {

// "a" or "a..b" with a <= b, each from `lowest` to `highest`, as its two ends.
struct Span {
    long long first = 0;
    long long last = 0;
    std::uint64_t size() const { return static_cast<std::uint64_t>(last - first) + 1; }
};

Span rangeSpan(const QString& text, long long lowest, long long highest,
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
    return {first, last};
}

std::vector<long long> rangeValues(const QString& text, long long lowest, long long highest,
                                   const std::string& option) {
    const Span span = rangeSpan(text, lowest, highest, option);
    std::vector<long long> values;
    for (long long v = span.first; v <= span.last; ++v) values.push_back(v);
    return values;
}

// Counts that stop at the largest 64-bit number rather than wrap.
std::uint64_t saturatingSum(std::uint64_t a, std::uint64_t b) {
    return a > UINT64_MAX - b ? UINT64_MAX : a + b;
}

std::uint64_t saturatingProduct(std::uint64_t a, std::uint64_t b) {
    return a != 0 && b > UINT64_MAX / a ? UINT64_MAX : a * b;
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

std::uint64_t textHash(const std::string& text, std::uint64_t hash) {
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

namespace {

// One alternative of --populations: a range per population, or one range that `equal`
// populations run through together.
struct Alternative {
    std::vector<Span> positions;
    std::size_t equal = 0;
};

std::vector<Alternative> populationAlternatives(const std::string& text,
                                                const std::vector<std::size_t>& counts) {
    const auto accepted = [&](std::size_t count) {
        return std::find(counts.begin(), counts.end(), count) != counts.end();
    };
    std::vector<Alternative> alternatives;
    for (const QString& alternative : QString::fromStdString(text).split(u';')) {
        const QStringList equal = alternative.split(u'x');
        const bool equalForm = equal.size() == 2;
        bool ok = true;
        const int count = equalForm ? equal.back().trimmed().toInt(&ok) : 0;
        const QStringList positions =
            equalForm ? QStringList{equal.front()} : alternative.split(u',');
        const qsizetype populations = equalForm ? count : positions.size();
        if (!ok || populations < 1 || !accepted(static_cast<std::size_t>(populations)))
            throw CLI::ValidationError("--populations", "'" + alternative.toStdString() +
                                                            "': a number of populations that "
                                                            "the command does not take");
        Alternative parsed;
        parsed.equal = equalForm ? static_cast<std::size_t>(count) : 0;
        for (const QString& position : positions)
            parsed.positions.push_back(rangeSpan(position, 1, kMaxPopulation, "--populations"));
        alternatives.push_back(std::move(parsed));
    }
    return alternatives;
}

std::vector<Span> seedSpans(const std::string& text) {
    std::vector<Span> spans;
    for (const QString& item : QString::fromStdString(text).split(u','))
        spans.push_back(rangeSpan(item, 0, 1LL << 53, "--seeds"));
    return spans;
}

}  // namespace

std::vector<std::vector<int>> populationTuples(const std::string& text,
                                               const std::vector<std::size_t>& counts) {
    std::vector<std::vector<int>> tuples;
    for (const Alternative& alternative : populationAlternatives(text, counts)) {
        if (alternative.equal > 0) {
            const Span span = alternative.positions.front();
            for (long long n = span.first; n <= span.last; ++n)
                tuples.emplace_back(alternative.equal, static_cast<int>(n));
            continue;
        }
        std::vector<std::vector<int>> lists;
        for (const Span& span : alternative.positions) {
            std::vector<int>& values = lists.emplace_back();
            for (long long n = span.first; n <= span.last; ++n)
                values.push_back(static_cast<int>(n));
        }
        appendProduct(lists, tuples);
    }
    return tuples;
}

std::uint64_t populationTupleCount(const std::string& text,
                                   const std::vector<std::size_t>& counts) {
    std::uint64_t total = 0;
    for (const Alternative& alternative : populationAlternatives(text, counts)) {
        std::uint64_t tuples = 1;
        for (const Span& span : alternative.positions)
            tuples = saturatingProduct(tuples, span.size());
        total = saturatingSum(total, tuples);
    }
    return total;
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
    for (const Span& span : seedSpans(text))
        for (long long seed = span.first; seed <= span.last; ++seed)
            seeds.push_back(static_cast<std::uint64_t>(seed));
    return seeds;
}

std::uint64_t seedCount(const std::string& text) {
    std::uint64_t total = 0;
    for (const Span& span : seedSpans(text)) total = saturatingSum(total, span.size());
    return total;
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

SweepCaseList::SweepCaseList(std::string subcommand, std::vector<std::vector<int>> populations,
                             std::vector<std::string> experiments, std::vector<std::uint64_t> seeds)
    : subcommand_(std::move(subcommand)),
      populations_(std::move(populations)),
      experiments_(std::move(experiments)),
      seeds_(std::move(seeds)) {}

std::size_t SweepCaseList::size() const {
    return populations_.size() * experiments_.size() * seeds_.size();
}

SweepCase SweepCaseList::operator[](std::size_t index) const {
    const std::size_t perTuple = experiments_.size() * seeds_.size();
    SweepCase sweepCase{index, populations_[index / perTuple],
                        experiments_[index % perTuple / seeds_.size()],
                        seeds_[index % seeds_.size()], 0};
    sweepCase.runSeed = caseSeed(subcommand_, sweepCase);
    return sweepCase;
}

std::size_t SweepCaseList::populationColumns() const {
    std::size_t columns = 0;
    for (const auto& tuple : populations_) columns = std::max(columns, tuple.size());
    return columns;
}

SweepCaseList sweepCaseList(const std::string& subcommand, const std::string& populations,
                            const std::vector<std::size_t>& counts,
                            const std::vector<std::string>& experiments, const std::string& seeds) {
    const std::uint64_t cases = saturatingProduct(
        saturatingProduct(populationTupleCount(populations, counts), experiments.size()),
        seedCount(seeds));
    if (cases > kMaxSweepCases) {
        const std::string count =
            cases == UINT64_MAX ? "at least " + std::to_string(UINT64_MAX) : std::to_string(cases);
        throw CLI::ValidationError("the sweep has " + count + " cases, more than the " +
                                   std::to_string(kMaxSweepCases) +
                                   " that one sweep may have; split it into several sweeps");
    }
    return {subcommand, populationTuples(populations, counts), experiments, seedList(seeds)};
}

std::vector<SweepCase> sweepCases(const std::string& subcommand,
                                  const std::vector<std::vector<int>>& populations,
                                  const std::vector<std::string>& experiments,
                                  const std::vector<std::uint64_t>& seeds) {
    const SweepCaseList list(subcommand, populations, experiments, seeds);
    std::vector<SweepCase> cases;
    cases.reserve(list.size());
    for (std::size_t index = 0; index < list.size(); ++index) cases.push_back(list[index]);
    return cases;
}

std::pair<std::size_t, std::size_t> shardRange(std::size_t cases, std::size_t shard,
                                               std::size_t shards) {
    return {cases * (shard - 1) / shards, cases * shard / shards};
}

}  // namespace orven::batch
