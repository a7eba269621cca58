#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace orven::solver_kit {

// The run record of a solver: up to 15 rows, one per run in the order of the runs, each with
// the columns that its program lays out. A cell that a run leaves empty stays empty.
class RunSummary {
  public:
    static constexpr int kRows = 15;
    using Row = std::vector<std::optional<double>>;

    // The headings over the summary window's lists from left to right: the serial numbers
    // ("a/a") first, then one per column of a row.
    explicit RunSummary(std::vector<QString> headings);

    // Records a run while fewer than 15 are recorded (nothing is said after that); returns
    // whether a row was added. Columns beyond the row's length stay empty.
    bool record(Row row);

    int runs() const { return static_cast<int>(rows_.size()); }
    int columns() const { return static_cast<int>(headings_.size()) - 1; }
    // Row 1..runs, column 0..columns-1; empty when never written.
    std::optional<double> cell(int row, int column) const;

    // The lists of the summary window from left to right, as they are when it loads: the
    // serial numbers 1 to 15, then each column's rows, in display form; an empty item
    // follows every row but the fifteenth, so that the lists stay level with each other.
    std::vector<QStringList> windowLists(const QLocale& locale) const;
    std::vector<QStringList> windowLists() const;
    const std::vector<QString>& headings() const { return headings_; }

  private:
    std::vector<QString> headings_;
    std::vector<Row> rows_;
};

// What the summaries of both solvers record for an experiment code: its number (1 for code 0
// or no code, 2 for code 2, 3 for code 1, 4 for drawn rates) and the preset rate of a class
// truncated to 3 decimals.
int summaryExperimentNumber(int experimentCode);
double summaryPresetRate(int experimentCode, int index);
// The output S as the summary keeps it: truncated to 4 decimals.
double summaryOutput(double S);

}  // namespace orven::solver_kit
