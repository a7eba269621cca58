#pragma once

#include <optional>
#include <span>
#include <vector>

#include "orven/solver_kit/solver_view.h"
#include "orven/ui/busy_cursor.h"

class QLineEdit;

namespace orven::ui {

class OutputPanel;

// How a solver's main window follows a run where both solvers' windows do the same: a refused
// field takes the focus, the output panel empties and then shows the output, the states and
// the rates, and a busy cursor stands while the iteration runs. A window adds what it alone
// does (set-up, the end of a run) by overriding the rest of SolverView.
class PanelView : public solver_kit::SolverView {
  protected:
    // The panel that shows the runs, the field of R and the population fields Text2(0..);
    // all belong to the window and outlive its runs. An edit of any of these fields empties
    // the exact value of the run before.
    void followRunsIn(OutputPanel& panel, QLineEdit& classCount,
                      std::span<QLineEdit* const> populations);

    void inputRefused(const solver_kit::InputProblem& problem) override;
    void runAccepted() override;
    void computingStarted() override;
    void computingEnded() override;
    void showOutput(const QString& text) override;
    void showStates(const QStringList& states) override;
    void showRates(const std::vector<QStringList>& rates) override;

  private:
    OutputPanel* panel_ = nullptr;
    QLineEdit* classCount_ = nullptr;
    std::vector<QLineEdit*> populations_;
    std::optional<BusyCursor> busy_;
};

}  // namespace orven::ui
