#include "orven/solver_kit/run_summary.h"

#include "orven/number_text.h"
#include "orven/preset_rates.h"

namespace orven::solver_kit {

RunSummary::RunSummary(std::vector<QString> headings) : headings_(std::move(headings)) {}

bool RunSummary::record(Row row) {
    if (runs() >= kRows) return false;
    row.resize(static_cast<std::size_t>(columns()));
    rows_.push_back(std::move(row));
    return true;
}

std::optional<double> RunSummary::cell(int row, int column) const {
    if (row < 1 || row > runs() || column < 0 || column >= columns()) return std::nullopt;
    return rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
}

std::vector<QStringList> RunSummary::windowLists(const QLocale& locale) const {
    std::vector<QStringList> lists(headings_.size());
    for (int r = 1; r <= kRows; ++r) {
        lists[0].append(QString::number(r));
        lists[0].append(QString());
    }
    for (int c = 0; c < columns(); ++c) {
        QStringList& list = lists[static_cast<std::size_t>(c) + 1];
        for (int r = 1; r <= runs(); ++r) {
            const auto value = cell(r, c);
            list.append(value ? displayForm(*value, locale) : QString());
            if (r < kRows) list.append(QString());
        }
    }
    return lists;
}

std::vector<QStringList> RunSummary::windowLists() const {
    return windowLists(QLocale::system());
}

int summaryExperimentNumber(int experimentCode) {
    switch (experimentCode) {
        case 2:
            return 2;
        case 1:
            return 3;
        case 4:
            return 4;
        default:
            return 1;
    }
}

double summaryPresetRate(int experimentCode, int index) {
    const int code = experimentCode == 1 || experimentCode == 2 ? experimentCode : 0;
    return truncateTo(presetRate(code, index), 1000);
}

double summaryOutput(double S) {
    return truncateTo(S, 10000);
}

}  // namespace orven::solver_kit
