#include "orven/simple/summary.h"

#include <cmath>

#include "orven/number_text.h"
#include "orven/preset_rates.h"

namespace orven::simple {

namespace {

// Columns 5..7: the preset rates of classes 1..3 as the summary keeps them, truncated to 3
// decimals. A code that is not set counts as 0.
std::array<double, 3> summaryRates(int experimentCode) {
    const int code = experimentCode == 1 || experimentCode == 2 ? experimentCode : 0;
    return {truncateTo(presetRate(code, 1), 1000), truncateTo(presetRate(code, 2), 1000),
            truncateTo(presetRate(code, 3), 1000)};
}

}  // namespace

int summaryExperimentNumber(int experimentCode) {
    switch (experimentCode) {
        case 2:
            return 2;
        case 1:
            return 3;
        default:
            return 1;
    }
}

bool RunSummary::record(int experimentCode, const aggregation::SolverState& state, double S) {
    if (runs_ >= kRows) return false;
    auto& row = cells_[static_cast<std::size_t>(++runs_)];
    row[0] = summaryExperimentNumber(experimentCode);
    row[1] = state.R;
    for (int i = 1; i <= 3; ++i) {
        if (i <= state.R) row[static_cast<std::size_t>(1 + i)] = state.N[i];
    }
    const auto rates = summaryRates(experimentCode);
    for (std::size_t c = 0; c < rates.size(); ++c) row[5 + c] = rates[c];
    row[8] = truncateTo(S, 10000);
    return true;
}

std::optional<double> RunSummary::cell(int row, int column) const {
    if (row < 1 || row > runs_ || column < 0 || column >= kColumns) return std::nullopt;
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

std::array<QStringList, RunSummary::kWindowLists> RunSummary::windowLists(
    const QLocale& locale) const {
    std::array<QStringList, kWindowLists> lists;
    for (int r = 1; r <= kRows; ++r) {
        lists[0].append(QString::number(r));
        lists[0].append(QString());
    }
    // Lists 1..9 show columns 0..8, one row after the other with an empty item between rows.
    for (int c = 0; c < kColumns; ++c) {
        QStringList& list = lists[static_cast<std::size_t>(c) + 1];
        for (int r = 1; r <= runs_; ++r) {
            const auto value = cell(r, c);
            list.append(value ? displayForm(*value, locale) : QString());
            if (r < kRows) list.append(QString());
        }
    }
    return lists;
}

std::array<QStringList, RunSummary::kWindowLists> RunSummary::windowLists() const {
    return windowLists(QLocale::system());
}

std::array<QString, RunSummary::kWindowLists> RunSummary::headings() {
    return {QStringLiteral("a/a"), QStringLiteral("Πείραμα"), QStringLiteral("R"),
            QStringLiteral("N1"),  QStringLiteral("N2"),      QStringLiteral("N3"),
            QStringLiteral("μ1"),  QStringLiteral("μ2"),      QStringLiteral("μ3"),
            QStringLiteral("Χ")};
}

}  // namespace orven::simple
