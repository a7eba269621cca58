#pragma once

#include "orven/ui/summary_window.h"

namespace orven::simple_solver {

// The summary window: the run summary in ten lists under their headings, and the menu "File"
// with "Back", "Print" and "Exit".
class Form3 final : public ui::SummaryWindow {
    Q_OBJECT
  public:
    Form3(const solver_kit::RunSummary& summary, Platform& platform, QWidget* parent = nullptr);
};

}  // namespace orven::simple_solver
