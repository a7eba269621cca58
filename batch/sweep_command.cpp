// orven-batch sweep: one computation over the cartesian product of its inputs, in parallel, one
// row per case in case order, as CSV or JSON; a slice of it for a cluster's array job.
#include <unistd.h>
#include <QString>
#include <cstdio>
#include <memory>
#include <optional>

#include "commands.h"
#include "common_options.h"
#include "interrupt.h"
#include "orven/ui/sweep_plot.h"
#include "standard_streams.h"
#include "sweep_cases.h"
#include "sweep_plan.h"
#include "sweep_plot_file.h"
#include "sweep_plot_table.h"
#include "sweep_pool.h"
#include "sweep_runs.h"
#include "sweep_shard.h"

namespace orven::batch {

namespace {

// A CSV cell: numbers as JSON writes them (shortest exact form), text quoted where it must be.
std::string csvCell(const nlohmann::ordered_json& value) {
    if (value.is_null()) return {};
    if (!value.is_string()) return value.dump();
    const std::string text = value.get<std::string>();
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

void printLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

// Writes the rows as they come, in case order: CSV with a header, or one JSON array.
class RowPrinter {
  public:
    explicit RowPrinter(bool csv) : csv_(csv) {}
    void print(const SweepRow& row) {
        if (csv_) {
            if (first_) {
                std::string header;
                for (const auto& [name, value] : row) header += (header.empty() ? "" : ",") + name;
                printLine(header);
            }
            std::string line;
            for (std::size_t k = 0; k < row.size(); ++k)
                line += (k == 0 ? "" : ",") + csvCell(row[k].second);
            printLine(line);
        } else {
            nlohmann::ordered_json object;
            for (const auto& [name, value] : row) object[name] = value;
            printLine((first_ ? "[\n  " : ",\n  ") + object.dump());
        }
        first_ = false;
    }
    void finish() {
        if (!csv_) printLine(first_ ? "[]" : "]");
        std::fflush(stdout);
    }

  private:
    bool csv_;
    bool first_ = true;
};

// "[#####.....] 45/100" on standard error, rewritten in place, when it is a terminal.
class ProgressBar {
  public:
    explicit ProgressBar(std::size_t total) : total_(total), shown_(isatty(fileno(stderr)) != 0) {}
    void update(std::size_t done) const {
        if (!shown_ || total_ == 0) return;
        constexpr std::size_t kWidth = 40;
        const std::size_t filled = kWidth * done / total_;
        std::fprintf(stderr, "\r[%s%s] %zu/%zu", std::string(filled, '#').c_str(),
                     std::string(kWidth - filled, '.').c_str(), done, total_);
        if (done == total_) std::fputc('\n', stderr);
        std::fflush(stderr);
        drawnPart_ = done < total_;
    }
    // Ends a bar left part drawn, so that a message after it starts a line of its own.
    void endLine() const {
        if (drawnPart_) std::fputc('\n', stderr);
    }

  private:
    std::size_t total_;
    bool shown_;
    mutable bool drawnPart_ = false;
};

// The plot's file: SVG or PNG by the end of its name.
QString plotPath(const std::string& path) {
    const QString name = QString::fromStdString(path);
    if (!name.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive) &&
        !name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        throw CLI::ValidationError("--plot", "'" + path + "' must end in .svg or .png");
    return name;
}

// Refuses a plot that the cases cannot give before any case runs.
void checkPlottable(const std::string& subcommand, const SweepCaseList& cases, std::size_t first,
                    std::size_t last, const SweepSettings& settings) {
    std::vector<SweepRow> inputs;
    for (std::size_t k = first; k < last; ++k) inputs.push_back(inputColumns(cases[k], settings));
    try {
        (void)sweepPlotTable(subcommand, inputs);
    } catch (const std::invalid_argument& refusal) {
        throw CLI::ValidationError(refusal.what());
    }
}

// Draws the rows; 0, or 1 with the reason on standard error when the file cannot be written.
int drawPlot(const std::string& subcommand, const std::vector<SweepRow>& rows,
             const QString& path) {
    const ui::SweepPlotOutcome outcome = writeSweepPlot(sweepPlotTable(subcommand, rows), path);
    if (outcome.ok) return 0;
    std::fprintf(stderr, "orven-batch: the plot was not written to %s: %s\n",
                 path.toLocal8Bit().constData(), outcome.reason.toLocal8Bit().constData());
    return 1;
}

int runSweep(const std::string& subcommand, const SweepOptions& options) {
    SweepPlan plan = planSweep(subcommand, options);
    const SweepCaseList& all = plan.all;
    const std::size_t cases = plan.size();
    SweepSettings& settings = plan.settings;
    const InterruptWatch interrupt;
    settings.interrupt = interrupt.flag();
    const std::optional<QString> plot =
        options.plot ? std::optional<QString>(plotPath(*options.plot)) : std::nullopt;
    if (plot) checkPlottable(subcommand, all, plan.first, plan.last, settings);
    // A slice names its sweep, so that `join` can check that its slices make the whole.
    const bool csv = options.format == "csv";
    const std::optional<ShardFrame> frame =
        options.shard
            ? std::optional<ShardFrame>(ShardFrame{sweepIdentity(all, settings, options.format),
                                                   plan.shard, plan.shards, all.size()})
            : std::nullopt;
    if (frame) printLine(shardOpening(*frame, csv));

    RowPrinter printer(options.format == "csv");
    const ProgressBar progress(cases);
    std::vector<SweepRow> plotted;
    std::size_t shown = 0;
    const std::size_t printed = runSweepCases(
        cases, [&plan](std::size_t k) { return plan.caseAt(k); }, settings, plan.threads,
        [&](SweepRow row) {
            printer.print(row);
            progress.update(++shown);
            if (plot) plotted.push_back(std::move(row));
            // Rows that cannot be written are not worth computing.
            return !standardOutputFailed();
        });
    printer.finish();
    if (frame) {
        printLine(shardEnding(*frame, csv, printed));
        std::fflush(stdout);
    }
    // Standard output failed: the program says so as it ends, and draws no plot of lost rows.
    if (standardOutputFailed()) return 1;
    if (interrupt.interrupted()) {
        progress.endLine();
        std::fprintf(stderr, "orven-batch: interrupted after %zu of %zu cases\n", printed, cases);
        return interrupt.exitStatus();
    }
    return plot ? drawPlot(subcommand, plotted, *plot) : 0;
}

void addSweepOptions(CLI::App& command, SweepOptions& options, const std::string& subcommand) {
    command
        .add_option("--populations", options.populations,
                    "one value or range a..b per population, as 1..30,5,5; alternatives joined "
                    "by ';'; 1..10x3 for three equal populations")
        ->required();
    command.add_option("--experiment", options.experiments,
                       subcommand == "simple-sim"
                           ? "experiments, as 0,1,2 or 0..3"
                           : "experiments, as 0,1,2 or 0..2" +
                                 std::string(subcommand == "simple-solver" ? "" : " and random"));
    command
        .add_option("--seeds", options.seeds,
                    "the seeds of each case, as 1..10; each case's run draws from a seed "
                    "derived from the case, so that a sweep repeats however it is split")
        ->capture_default_str();
    command.add_option("--jobs", options.jobs, "threads that run cases (default: every core)")
        ->check(CLI::Range(1u, 1024u));
    command.add_option("--shard", options.shard,
                       "K/M: only the K-th of M slices of the cases, for an array job; the "
                       "slice names its sweep, and `orven-batch join` puts the slices together");
    command.add_option("--format", options.format, "csv or json")
        ->check(CLI::IsMember({"csv", "json"}))
        ->capture_default_str();
    const bool simulator = subcommand == "simple-sim" || subcommand == "double-sim";
    if (!simulator)
        command.add_flag("--with-exact", options.withExact,
                         "add the exact value of the same network and the deviation of S");
    command.add_flag("--no-timing", options.noTiming,
                     "leave out the seconds of each case, so that runs can be compared");
    command.add_option("--plot", options.plot,
                       "also draw the main output against the first input that varies, one line "
                       "per value of the other inputs that vary, into FILE.svg or FILE.png");
    if (subcommand == "double-solver")
        command.add_option("--offsets", options.offsets, "K1S1,S4 of every case (default 0,0)");
    // The simulators' own options: the run length, a precision and --with-exact (the z-scores).
    if (simulator) addSimRunOptions(command, options.run);
}

}  // namespace

void addSweepCommand(CLI::App& app, int& exitCode) {
    CLI::App* sweep = app.add_subcommand(
        "sweep", "one computation over every combination of its inputs, as CSV or JSON");
    sweep->require_subcommand(1);
    for (const std::string& subcommand : sweepSubcommands()) {
        auto options = std::make_shared<SweepOptions>();
        CLI::App* command = sweep->add_subcommand(subcommand, "a sweep of " + subcommand + " runs");
        addSweepOptions(*command, *options, subcommand);
        command->callback(
            [subcommand, options, &exitCode] { exitCode = runSweep(subcommand, *options); });
    }
}

}  // namespace orven::batch
