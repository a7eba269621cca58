#pragma once

#include "orven/ui/summary_window.h"

namespace orven::double_solver {

// The summary window: the run summary in twelve lists under their headings, and along the
// bottom three pictures with their labels that act as buttons: "BACK", "PRINT" and "EXIT".
class Form3 final : public ui::SummaryWindow {
    Q_OBJECT
  public:
    Form3(const solver_kit::RunSummary& summary, Platform& platform, QWidget* parent = nullptr);
};

}  // namespace orven::double_solver
