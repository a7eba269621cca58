#pragma once

#include <QString>
#include <vector>

#include "orven/solver_kit/run_summary.h"

class QWidget;

namespace orven::ui {

class ListRow;

// The object names of one list of a summary window and of its heading.
struct SummaryListNames {
    QString list;
    QString heading;
};

// The table of a solver's summary window: the run summary as it is now, one list per column
// (the serial numbers first) under its heading, named as given from left to right, with room
// for all fifteen rows and the empty items between them.
ListRow* summaryTable(const solver_kit::RunSummary& summary,
                      const std::vector<SummaryListNames>& names, QWidget* parent);

}  // namespace orven::ui
