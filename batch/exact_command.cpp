// The subcommands exact-simple and exact-double: the exact steady state of either network for a
// preset experiment or a rate table of its own, as a readable table or as JSON.
#include <QLocale>
#include <QString>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <nlohmann/json.hpp>
#include <stop_token>
#include <thread>

#include "commands.h"
#include "common_options.h"
#include "exact_options.h"
#include "interrupt.h"
#include "orven/exact/double_network.h"
#include "orven/exact/exact_error.h"
#include "orven/exact/model.h"
#include "orven/exact/simple_network.h"
#include "orven/number_text.h"
#include "rate_table_option.h"

namespace orven::batch {

namespace {

void addExactOptions(CLI::App& command, ExactOptions& options, const std::string& example) {
    command.add_option("--populations", options.populations, "populations, for example " + example)
        ->required();
    command
        .add_option("--experiment", options.experiment,
                    "preset rates, numbered as the simulator numbers them")
        ->check(CLI::Range(0, 2));
    command.add_option("--format", options.format, "table or json")
        ->check(CLI::IsMember({"table", "json"}));
    command.add_option(
        "--rates", options.rates,
        "simulator (the default) or solver: whose presets the experiment stands for (the double "
        "solver gives streams λ3 and λ5 each other's rates); or a rate table as JSON, in the "
        "option or in a file it names: one array per class of the rates with 0, 1, ... jobs "
        "waiting");
}

QString number(double value) {
    return displayForm(value, QLocale::c());
}

QString padded(const QString& text, int width) {
    return text.leftJustified(width);
}

// The lines that both networks' tables start with.
QString tableHeading(const char* title, const std::vector<int>& populations, int experiment,
                     const exact::ExactSolution& solution) {
    QStringList counts;
    for (const int n : populations) counts << QString::number(n);
    return QStringLiteral("%1\npopulations: %2\nexperiment: %3\nstates: %4\n")
        .arg(QString::fromUtf8(title), counts.join(QStringLiteral(", ")))
        .arg(experiment)
        .arg(solution.stateCount);
}

QString tableChecks(const exact::ExactSolution& solution) {
    return QStringLiteral("check: |sum of probabilities - 1| = %1, balance residual = %2\n")
        .arg(number(solution.sumError), number(solution.balanceResidual));
}

// One column per queue: n, P(1, n), P(2, n), ... for n up to the longest queue.
QString marginalTable(const exact::ExactSolution& solution, const std::vector<QString>& extraTitles,
                      const std::vector<std::vector<double>>& extraColumns) {
    std::size_t rows = 0;
    qsizetype longest = 0;
    const auto measure = [&](const std::vector<double>& column) {
        rows = std::max(rows, column.size());
        for (const double p : column) longest = std::max(longest, number(p).size());
    };
    std::for_each(solution.marginals.begin(), solution.marginals.end(), measure);
    std::for_each(extraColumns.begin(), extraColumns.end(), measure);
    QStringList titles;
    for (std::size_t k = 1; k <= solution.marginals.size(); ++k)
        titles << QStringLiteral("P(%1, n)").arg(k);
    titles += QStringList(extraTitles.begin(), extraTitles.end());
    for (const QString& title : titles) longest = std::max(longest, title.size());
    const int width = static_cast<int>(longest) + 2;

    QString text = padded(QStringLiteral("n"), 6);
    for (const QString& title : titles) text += padded(title, width);
    text = text.trimmed() + u'\n';
    const auto cell = [&](const std::vector<double>& column, std::size_t n) {
        return padded(n < column.size() ? number(column[n]) : QStringLiteral("-"), width);
    };
    for (std::size_t n = 0; n < rows; ++n) {
        QString line = padded(QString::number(n), 6);
        for (const auto& column : solution.marginals) line += cell(column, n);
        for (const auto& column : extraColumns) line += cell(column, n);
        text += line.trimmed() + u'\n';
    }
    return text;
}

nlohmann::ordered_json jsonHeading(const char* network, const std::vector<int>& populations,
                                   int experiment, const exact::ExactSolution& solution) {
    return {{"network", network},
            {"populations", populations},
            {"experiment", experiment},
            {"states", solution.stateCount}};
}

void addJsonProbabilities(nlohmann::ordered_json& json, const exact::ExactSolution& solution) {
    json["P"] = solution.marginals;
    json["checks"] = {{"sum_error", solution.sumError},
                      {"balance_residual", solution.balanceResidual}};
}

void runExactSimple(const ExactOptions& options, const std::atomic<bool>* cancel) {
    const std::vector<int> populations = exactSimplePopulations(options.populations);
    const auto solution = exact::solveSimpleNetwork(
        populations, ratesFor(options, populations, exact::Network::Simple), cancel);
    if (options.format == "json") {
        auto json = jsonHeading("simple", populations, options.experiment, solution);
        json["rates"] = ratesName(options);
        json["throughput"] = solution.throughput;
        addJsonProbabilities(json, solution);
        printText(QString::fromStdString(json.dump(2) + "\n"));
        return;
    }
    printText(
        tableHeading("Exact solution of the simple network", populations, options.experiment,
                     solution) +
        QStringLiteral("throughput: %1\n").arg(number(solution.throughput)) +
        tableChecks(solution) +
        (isPresetName(options.rates) ? QString() : QStringLiteral("rates: the table given\n")) +
        u'\n' + marginalTable(solution, {}, {}));
}

void runExactDouble(const ExactOptions& options, const std::atomic<bool>* cancel) {
    const std::vector<int> populations = parsePopulations(options.populations, 4);
    const auto solution = exact::solveDoubleNetwork(
        populations, ratesFor(options, populations, exact::Network::Double), cancel);
    if (options.format == "json") {
        auto json = jsonHeading("double", populations, options.experiment, solution);
        json["rates"] = ratesName(options);
        json["throughputs"] = solution.throughputs;
        addJsonProbabilities(json, solution);
        json["P_sum_2_5"] = solution.sumOfQueues2And5;
        printText(QString::fromStdString(json.dump(2) + "\n"));
        return;
    }
    printText(
        tableHeading("Exact solution of the double network", populations, options.experiment,
                     solution) +
        QStringLiteral("throughput of station 1: %1\nthroughput of station 2: %2\n")
            .arg(number(solution.throughputs[0]), number(solution.throughputs[1])) +
        tableChecks(solution) +
        (options.rates == "solver"     ? QStringLiteral("rates: the double solver's presets\n")
         : isPresetName(options.rates) ? QString()
                                       : QStringLiteral("rates: the table given\n")) +
        u'\n' +
        marginalTable(solution, {QStringLiteral("P(n2 + n5 = n)")}, {solution.sumOfQueues2And5}));
}

// Ctrl-C as the cancel flag that the solve reads between its steps.
class CancelOnInterrupt {
  public:
    explicit CancelOnInterrupt(const InterruptWatch& interrupt)
        : watcher_([this, &interrupt](const std::stop_token& stop) {
              std::mutex mutex;
              std::condition_variable_any wake;
              std::unique_lock lock(mutex);
              while (!stop.stop_requested() && !interrupt.interrupted())
                  wake.wait_for(lock, stop, std::chrono::milliseconds(20), [] { return false; });
              if (interrupt.interrupted()) cancel_ = true;
          }) {}
    const std::atomic<bool>* flag() const { return &cancel_; }

  private:
    std::atomic<bool> cancel_{false};
    std::jthread watcher_;
};

// Runs one subcommand: a refusal of the model is a message on standard error and exit code 1;
// Ctrl-C ends the solve, as it ends a simulation.
void runReportingRefusal(void (*run)(const ExactOptions&, const std::atomic<bool>*),
                         const ExactOptions& options, int& exitCode) {
    const InterruptWatch interrupt;
    const CancelOnInterrupt cancel(interrupt);
    try {
        run(options, cancel.flag());
        exitCode = 0;
    } catch (const exact::ExactError& error) {
        std::fprintf(stderr, "orven-batch: %s\n", error.what());
        exitCode = 1;
    } catch (const exact::Cancelled&) {
        std::fprintf(stderr, "orven-batch: interrupted, nothing written\n");
        exitCode = interrupt.exitStatus();
    }
}

}  // namespace

void addExactCommands(CLI::App& app, int& exitCode) {
    auto simpleOptions = std::make_shared<ExactOptions>();
    CLI::App* simple = app.add_subcommand(
        "exact-simple", "exact steady state of the simple network (2 to 4 classes)");
    addExactOptions(*simple, *simpleOptions, "5,5,5");
    simple->callback([simpleOptions, &exitCode] {
        runReportingRefusal(runExactSimple, *simpleOptions, exitCode);
    });

    auto doubleOptions = std::make_shared<ExactOptions>();
    CLI::App* doubled =
        app.add_subcommand("exact-double", "exact steady state of the double network");
    addExactOptions(*doubled, *doubleOptions, "5,5,5,5");
    doubled->callback([doubleOptions, &exitCode] {
        runReportingRefusal(runExactDouble, *doubleOptions, exitCode);
    });
}

}  // namespace orven::batch
