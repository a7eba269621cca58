#include "common_options.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <charconv>
#include <cstdio>
#include <random>

#include "orven/input_rules.h"
#include "orven/number_text.h"

namespace orven::batch {

namespace {

// A seed is a whole number that a 64-bit generator takes as it is: no sign, no wrap-around.
std::string seedProblem(const std::string& text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return "must be a whole number from 0 to 18446744073709551615";
    }
    return {};
}

// The results file is the path as given with ".txt" added: a path that names no file of its
// own (empty, a folder, "." or "..") would write a hidden ".txt", and a control character has
// no place in a file name.
std::string outputProblem(const std::string& text) {
    const QString path = QString::fromStdString(text);
    for (const QChar c : path) {
        if (c.category() == QChar::Other_Control) {
            return "must not hold a line break or another control character";
        }
    }
    const QString name = path.section(u'/', -1);
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..")) {
        return "must name a file: a path whose last part is a name, to which .txt is "
               "added";
    }
    return {};
}

}  // namespace

void addCommonOptions(CLI::App& command, CommonOptions& options) {
    command.add_option("--seed", options.seed, "fixed seed: every run with it repeats exactly")
        ->check(seedProblem);
    command.add_option("--date", options.date, "date and time written in the results block")
        ->check([](const std::string& text) {
            const auto when = QDateTime::fromString(QString::fromStdString(text),
                                                    QStringLiteral("yyyy-MM-dd hh:mm:ss"));
            return when.isValid() ? std::string()
                                  : std::string("--date must read yyyy-mm-dd hh:mm:ss");
        });
    command.add_option("--format", options.format, "block or json")
        ->check(CLI::IsMember({"block", "json"}));
    command
        .add_option("--output", options.output,
                    "append the block to PATH.txt (a path relative to the current folder or "
                    "absolute)")
        ->check(outputProblem);
}

std::unique_ptr<BatchPlatform> makePlatform(const CommonOptions& options) {
    const QDateTime now = options.date.empty()
                              ? QDateTime::currentDateTime()
                              : QDateTime::fromString(QString::fromStdString(options.date),
                                                      QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    const std::uint64_t seed = options.seed.value_or(std::random_device{}());
    std::optional<QString> output;
    if (options.output) {
        output = QDir::current().absoluteFilePath(QString::fromStdString(*options.output));
    }
    auto platform = std::make_unique<BatchPlatform>(seed, options.seed.has_value(), now, output);
    // The JSON holds the result that the result line gives.
    platform->setErrorsOnly(options.format == "json");
    return platform;
}

std::vector<int> parsePopulations(const std::string& text, std::size_t count) {
    std::vector<int> populations;
    const QStringList parts = QString::fromStdString(text).split(u',');
    for (const QString& part : parts) {
        bool ok = false;
        const int value = part.trimmed().toInt(&ok);
        if (!ok || !isValidPopulation(value)) {
            throw CLI::ValidationError("--populations",
                                       "every population must be a whole number from 1 to 32767");
        }
        populations.push_back(value);
    }
    if (populations.size() != count) {
        throw CLI::ValidationError("--populations", "expected " + std::to_string(count) +
                                                        " populations separated by commas");
    }
    return populations;
}

std::vector<int> classPopulations(const std::string& text) {
    const auto count = static_cast<std::size_t>(QString::fromStdString(text).count(u',') + 1);
    if (count < 2 || count > 4) {
        throw CLI::ValidationError("--populations",
                                   "expected 2, 3 or 4 populations separated by commas");
    }
    return parsePopulations(text, count);
}

std::array<double, 2> parseOffsets(const std::string& text, const std::vector<int>& stations) {
    const QStringList parts = QString::fromStdString(text).split(u',');
    const std::array<int, 2> limits{stations[0], stations[3]};
    std::array<double, 2> offsets{};
    bool ok = parts.size() == 2;
    for (std::size_t k = 0; ok && k < offsets.size(); ++k) {
        offsets[k] = parts[static_cast<qsizetype>(k)].trimmed().toDouble(&ok);
        ok = ok && offsets[k] >= 0 && offsets[k] <= limits[k];
    }
    if (!ok) {
        throw CLI::ValidationError("--offsets",
                                   "expected K1S1,S4: two numbers, K1S1 from 0 to N1 and S4 "
                                   "from 0 to N4");
    }
    return offsets;
}

void printText(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

int printRunOutput(const BatchPlatform& platform, const CommonOptions& options,
                   const ResultsBlock& block, const std::function<nlohmann::ordered_json()>& json) {
    if (options.format == "json") {
        printText(QString::fromStdString(json().dump(2)) + u'\n');
    } else {
        printText(block.text());
    }
    return platform.writesSucceeded() ? 0 : 1;
}

}  // namespace orven::batch
