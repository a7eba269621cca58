#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace orven::plots {

// One line of a sweep plot: the main output at each x, for one value of the other varying
// inputs, with its 95 % half-widths and the exact values where the sweep has them. Every
// vector present has one entry per x; NaN where that x has no value.
struct SweepCurve {
    QString name;  // the other inputs' values, as the legend shows them ("N3 = 5"); empty for
                   // the only curve of a sweep, which the legend calls by the output
    std::vector<double> y;
    std::optional<std::vector<double>> halfWidths;
    std::optional<std::vector<double>> exact;
};

// A sweep's main output against its first varying input: what `orven-batch sweep --plot` draws.
struct SweepTable {
    QString title;
    QString xTitle;  // the first varying input ("N1")
    QString yTitle;  // the main output ("X", "S")
    std::vector<double> x;
    std::vector<SweepCurve> curves;
};

}  // namespace orven::plots
