#include "ratio_report.h"

#include "long_run.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace orven::bench {

namespace {

enum class Measure { Time, Rate };
enum class Bound { AtLeast, AtMost };

// numerator / denominator (or the numerator alone, in seconds, without one) against a bound.
struct Ratio {
    const char* what;
    std::string numerator;
    std::string denominator;
    Measure measure;
    Bound bound;
    double target;
};

std::vector<Ratio> ratios() {
    std::vector<Ratio> all;
    // Each network: the engine against its bare randomness, the window against the computation
    // and against a hand-over after every step, a solver run against one iteration.
    for (const std::string network : {"Simple", "Double"}) {
        all.push_back({"engine steps per second, share of the draw baseline", "BM_Engine" + network,
                       "BM_DrawBaseline" + network, Measure::Rate, Bound::AtLeast, 0.7});
        all.push_back({"window run per step / window run", "BM_WindowRun" + network + "PerStep",
                       "BM_WindowRun" + network, Measure::Time, Bound::AtLeast, 5});
        all.push_back({"window run / headless run", "BM_WindowRun" + network,
                       "BM_Run" + network + "Headless", Measure::Time, Bound::AtMost, 2});
        const std::string longRun = "BM_LongRun" + network + "/threads:";
        const std::string everyCore = longRun + std::to_string(coreCount());
        if (coreCount() > 1)
            all.push_back({"long run split into replications: every core / one thread", everyCore,
                           longRun + "1", Measure::Rate, Bound::AtLeast, 1.8});
        all.push_back({"long run split into replications on one thread / the engine", longRun + "1",
                       "BM_Engine" + network, Measure::Rate, Bound::AtLeast, 0.95});
        all.push_back({"default solver run / one iteration at N = 10",
                       "BM_Solve" + network + "Default", "BM_Iteration/10", Measure::Time,
                       Bound::AtMost, 20});
    }
    all.push_back({"one iteration: N = 10000 / N = 100", "BM_Iteration/10000", "BM_Iteration/100",
                   Measure::Time, Bound::AtMost, 150});
    all.push_back({"exact solution near the size bound, seconds", "BM_ExactNearBound", "",
                   Measure::Time, Bound::AtMost, 1});
    for (const char* threeDimensions : {"BM_ExactNearBoundFourClasses", "BM_ExactDoubleNearBound"})
        all.push_back({"exact solution at 200000 states over three dimensions, seconds",
                       threeDimensions, "", Measure::Time, Bound::AtMost, 1.5});
    for (const char* atBound :
         {"BM_ExactAtBoundThreeClasses", "BM_ExactAtBoundFourClasses", "BM_ExactDoubleAtBound"})
        all.push_back({"exact solution just below the size bound, seconds", atBound, "",
                       Measure::Time, Bound::AtMost, 5});
    return all;
}

}  // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.error_occurred) continue;
        const bool aggregate = run.run_type == Run::RT_Aggregate;
        if (aggregate && run.aggregate_name != "median") continue;
        Result result;
        result.seconds = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        if (const auto rate = run.counters.find("items_per_second"); rate != run.counters.end())
            result.itemsPerSecond = rate->second.value;
        // The median of repetitions stands in for them; a single run stands for itself. Named
        // by function and arguments, without settings such as a fixed iteration count.
        const std::string name =
            run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args);
        if (aggregate || results_.find(name) == results_.end()) results_[name] = result;
    }
    ConsoleReporter::ReportRuns(runs);
}

void RatioReporter::printRatios(std::ostream& out) const {
    const auto value = [this](const std::string& name, Measure measure) -> std::optional<double> {
        const auto found = results_.find(name);
        if (found == results_.end()) return std::nullopt;
        return measure == Measure::Rate ? found->second.itemsPerSecond : found->second.seconds;
    };
    bool header = false;
    for (const Ratio& ratio : ratios()) {
        const auto numerator = value(ratio.numerator, ratio.measure);
        const auto denominator = ratio.denominator.empty()
                                     ? std::optional<double>(1.0)
                                     : value(ratio.denominator, ratio.measure);
        if (!numerator || !denominator || *denominator == 0) continue;
        if (!header) {
            out << "\nRatios (CPU time of the measuring thread)\n";
            header = true;
        }
        const double r = *numerator / *denominator;
        const bool met = ratio.bound == Bound::AtLeast ? r >= ratio.target : r <= ratio.target;
        const std::string name = ratio.denominator.empty()
                                     ? ratio.numerator
                                     : ratio.numerator + " / " + ratio.denominator;
        char line[256];
        std::snprintf(line, sizeof line, "  %-52s %9.3g  %s %g  %s\n", name.c_str(), r,
                      ratio.bound == Bound::AtLeast ? "at least" : "at most", ratio.target,
                      met ? "met" : "NOT MET");
        out << line << "    (" << ratio.what << ")\n";
    }
}

}  // namespace orven::bench
