#include "sim_command.h"

#include <algorithm>

#include "orven/number_text.h"
#include "orven/sim/run_length.h"

namespace orven::batch {

float runLengthOption(const std::string& text) {
    const sim::RunLengthAnswer runtime = sim::readRunLength(QString::fromStdString(text));
    if (runtime.kind != sim::RunLengthAnswer::Kind::Accepted)
        throw CLI::ValidationError("--runtime",
                                   "the run length must be a positive number up to 1E+14");
    return runtime.value;
}

std::string precisionProblem(const std::string& text) {
    double value = 0;
    // Written so that NaN, which no comparison holds for, falls outside.
    if (CLI::detail::lexical_cast(text, value) && value >= 1e-9 && value <= 1.0) return {};
    return "must be a number from 1E-09 to 1";
}

void addSimRunOptions(CLI::App& command, SimRunOptions& options) {
    command
        .add_option("--runtime", options.runtime,
                    "simulated run length, above 0 and at most 1E+14; Ctrl-C ends a run "
                    "(exit status 130, nothing written)")
        ->capture_default_str();
    command
        .add_option("--precision", options.precision,
                    "go on, doubling the run length, until the 95 % half-width of every output "
                    "is at most this share of the output (0.005: half a per cent)")
        ->check(precisionProblem);
    command
        .add_option("--max-runtime", options.maxRuntime,
                    "the longest run length that --precision may reach")
        ->capture_default_str();
    command.add_flag("--with-exact", options.withExact,
                     "add the exact value of the same network, with the deviation and the "
                     "z-score of every output, to the JSON");
}

void addReplicationOptions(CLI::App& command, sim::Replications& replications) {
    command
        .add_option("--replications", replications.count,
                    "split the run into this many independent replications of an equal share "
                    "of the run length, each with a generator stream of its own and its "
                    "warm-up dropped; the figures depend on the seed and this number alone")
        ->check(CLI::Range(1, sim::kMostReplications))
        ->capture_default_str();
    command
        .add_option("--jobs", replications.jobs,
                    "replications that run at once (default: one per core)")
        ->check(CLI::Range(1, sim::kMostReplications));
}

void applySimRunOptions(const SimRunOptions& options, sim::RunController& controller) {
    const float runtime = runLengthOption(options.runtime);
    controller.setRuntime(runtime);
    if (!options.precision) return;
    const sim::RunLengthAnswer longest =
        sim::readRunLength(QString::fromStdString(options.maxRuntime));
    if (longest.kind != sim::RunLengthAnswer::Kind::Accepted || longest.value < runtime)
        throw CLI::ValidationError("--max-runtime",
                                   "the longest run length must be a number from the run length "
                                   "up to 1E+14");
    controller.setPrecisionGoal(
        sim::RunController::PrecisionGoal{*options.precision, longest.value});
}

std::optional<double> largestRelativeHalfWidth(const std::vector<double>& outputs,
                                               const std::optional<sim::Intervals>& intervals) {
    if (!intervals) return std::nullopt;
    double largest = 0.0;
    for (std::size_t k = 0; k < outputs.size() && k < intervals->halfWidthX.size(); ++k) {
        if (!(outputs[k] > 0.0)) return std::nullopt;
        largest = std::max(largest, intervals->halfWidthX[k] / outputs[k]);
    }
    return largest;
}

std::optional<nlohmann::ordered_json> reportPrecision(
    const SimRunOptions& options, float runtimeUsed, const std::vector<double>& outputs,
    const std::optional<sim::Intervals>& intervals) {
    if (!options.precision) return std::nullopt;
    const std::optional<double> reached = largestRelativeHalfWidth(outputs, intervals);
    const bool met = reached && *reached <= *options.precision;
    const QString length = messageFormSingle(runtimeUsed).trimmed();
    const QString target = QString::number(*options.precision, 'g', 3);
    const QString achieved =
        reached ? QStringLiteral("relative half-width %1").arg(QString::number(*reached, 'g', 2))
                : QStringLiteral("no interval");
    const QString line =
        met ? QStringLiteral("orven-batch: precision %1 reached at run length %2 (%3)\n")
                  .arg(target, length, achieved)
            : QStringLiteral(
                  "orven-batch: precision %1 not reached; the run stopped at its "
                  "longest length %2 (%3)\n")
                  .arg(target, length, achieved);
    std::fputs(line.toUtf8().constData(), stderr);
    return nlohmann::ordered_json{
        {"target", *options.precision},
        {"reached", met},
        {"relative_half_width", reached ? nlohmann::ordered_json(*reached) : nullptr},
        {"runtime", runtimeUsed}};
}

namespace {

double fullShare(double part, double clock) {
    return clock > 0.0 ? part / clock : 0.0;
}

}  // namespace

nlohmann::ordered_json fullPrecisionShares(const sim::TimeTable& T, int row, double clock) {
    nlohmann::ordered_json shares = nlohmann::ordered_json::array();
    for (const Fixed4 time : T.row(row)) shares.push_back(fullShare(time.toDouble(), clock));
    return shares;
}

nlohmann::ordered_json fullPrecisionEstimates(const sim::TimeTable& T, int rows, double clock,
                                              const std::vector<std::int64_t>& firings) {
    nlohmann::ordered_json X = nlohmann::ordered_json::array();
    for (const std::int64_t count : firings)
        X.push_back(fullShare(static_cast<double>(count), clock));
    nlohmann::ordered_json P = nlohmann::ordered_json::array();
    for (int row = 1; row <= rows; ++row) P.push_back(fullPrecisionShares(T, row, clock));
    return {{"X", X}, {"P", P}};
}

nlohmann::ordered_json intervalsJson(const std::optional<sim::Intervals>& intervals, int rows) {
    if (!intervals) return nullptr;
    return {{"batch_means", intervals->batchMeans},
            {"X", intervals->halfWidthX},
            {"standard_errors_X", intervals->standardErrorX},
            {"P", tableJson(intervals->halfWidthP, rows, [](double value) { return value; })}};
}

}  // namespace orven::batch
