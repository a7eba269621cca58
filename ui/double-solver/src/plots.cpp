#include "plots.h"

#include "orven/double_solver/double_solver.h"
#include "orven/plots/solver_plots.h"
#include "orven/ui/plots/plots_window.h"

namespace orven::double_solver {

ui::PlotsWindow* newPlotsWindow(Platform& platform, QWidget* parent) {
    return new ui::PlotsWindow(
        {QStringLiteral("Form5"), QStringLiteral("Τάξη:"), QStringLiteral("Συνάθροιση"),
         QStringLiteral("Ακριβής τιμή του ανηγμένου δικτύου"), true},
        platform, parent);
}

void showRun(ui::PlotsWindow& window, const DoubleSolver& solver, solver_kit::StartEnd end) {
    const QStringList names{QStringLiteral("τάξη 1' (σταθμοί 1 και 4)"), QStringLiteral("τάξη 2'"),
                            QStringLiteral("τάξη 5'"), QStringLiteral("τάξη 3'")};
    const bool withResult = end == solver_kit::StartEnd::Completed;
    window.showContent(plots::solverContent(solver.state(), names, withResult),
                       withResult ? plots::exactClassDistributions(solver.state()) : nullptr);
}

}  // namespace orven::double_solver
