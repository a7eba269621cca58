#pragma once

#include <QLocale>
#include <QStringList>
#include <array>
#include <optional>

#include "orven/aggregation/solver_state.h"

namespace orven::simple {

// The run record of the program: up to 15 rows, one per run, in the order of the runs.
class RunSummary {
  public:
    static constexpr int kRows = 15;
    static constexpr int kColumns = 9;  // columns 0..8 are used
    static constexpr int kWindowLists = 10;

    // Records a run while fewer than 15 are recorded; returns whether a row was added.
    // Columns: 0 experiment number (1 for code 0, 2 for code 2, 3 for code 1), 1 R,
    // 2..4 N(1..3), 5..7 the preset rates of classes 1..3 (2 and 3 truncated to 3 decimals),
    // 8 S truncated to 4 decimals. A column of a class beyond R stays empty.
    bool record(int experimentCode, const aggregation::SolverState& state, double S);

    int runs() const { return runs_; }
    // Row 1..runs, column 0..8; empty when never written.
    std::optional<double> cell(int row, int column) const;

    // The ten lists of the summary window in their order from left to right: a/a (1 to 15,
    // each followed by an empty item), Πείραμα, R, N1, N2, N3, μ1, μ2, μ3, Χ (each row in
    // display form followed by an empty item, except after row 15).
    std::array<QStringList, kWindowLists> windowLists(const QLocale& locale) const;
    std::array<QStringList, kWindowLists> windowLists() const;
    // The headings over those lists.
    static std::array<QString, kWindowLists> headings();

  private:
    int runs_ = 0;
    std::array<std::array<std::optional<double>, kColumns>, kRows + 1> cells_{};
};

// The experiment number that the summary records for a code.
int summaryExperimentNumber(int experimentCode);

}  // namespace orven::simple
