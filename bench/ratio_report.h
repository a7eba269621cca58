#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <ostream>
#include <string>

namespace orven::bench {

// The console report, then the ratios that the programs' performance is judged by, each
// against its target. Benchmarks that did not run (a filter, a network not built yet) leave
// their ratios out. Times are CPU times of the measuring thread, so that other work on the
// machine disturbs them little.
class RatioReporter final : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void printRatios(std::ostream& out) const;

  private:
    struct Result {
        double seconds = 0;  // CPU time per iteration
        double itemsPerSecond = 0;
    };
    // By benchmark name; with repetitions, the median.
    std::map<std::string, Result> results_;
};

}  // namespace orven::bench
