#include "orven/ui/summary_table.h"

#include <QLabel>
#include <QListWidget>

#include "orven/ui/list_row.h"
#include "orven/ui/named_control.h"

namespace orven::ui {

ListRow* summaryTable(const solver_kit::RunSummary& summary,
                      const std::vector<SummaryListNames>& names, QWidget* parent) {
    auto* table = new ListRow(parent);
    const auto lists = summary.windowLists();
    const auto& headings = summary.headings();
    for (std::size_t k = 0; k < names.size() && k < lists.size(); ++k) {
        auto* list = namedControl<QListWidget>(names[k].list);
        list->addItems(lists[k]);
        table->addColumn(list, namedControl<QLabel>(names[k].heading, headings[k]));
    }
    table->setVisibleRows(2 * solver_kit::RunSummary::kRows);
    return table;
}

}  // namespace orven::ui
