#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace orven::plots {

// One distribution as a plot shows it: P(n) for n = 0 .. values.size() - 1, with the 95 %
// half-width of each estimate and the exact P(n) beside it where they are known. Both optional
// vectors, when present, have one entry per value.
struct PlotSeries {
    QString name;  // what the selector and the chart's title call it ("ουρά n1", "τάξη 2")
    std::vector<double> values;
    std::optional<std::vector<double>> halfWidths;
    std::optional<std::vector<double>> exact;
};

// How a solver's iteration went: err(k) and S(k) for the iterations k = 1 .. iter, as the
// iteration measured them (iteration 0 is the starting point, not a measurement).
struct ConvergenceTrace {
    std::vector<int> iteration;
    std::vector<double> err;
    std::vector<double> S;
};

// Everything a program's plots window shows of one run.
struct PlotContent {
    std::vector<PlotSeries> distributions;        // one chart each, in the selector's order
    std::optional<ConvergenceTrace> convergence;  // the solvers' iteration
};

// The exact values that belong beside a content's distributions, computed apart from it
// because a large model takes seconds: series[s] holds the exact P(n) of distribution s with as
// many entries as its values (empty where the exact solution does not know it).
struct ExactValues {
    std::vector<std::vector<double>> series;
    QString unavailable;  // why there are none, when the exact solution refused the model
};

}  // namespace orven::plots
