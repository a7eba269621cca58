#include "plots.h"

#include "orven/plots/solver_plots.h"
#include "orven/simple_solver/simple_solver.h"
#include "orven/ui/plots/plots_window.h"

namespace orven::simple_solver {

ui::PlotsWindow* newPlotsWindow(Platform& platform, QWidget* parent) {
    return new ui::PlotsWindow({QStringLiteral("Form4"), QStringLiteral("Τάξη:"),
                                QStringLiteral("Συνάθροιση"), QStringLiteral("Ακριβής τιμή"), true},
                               platform, parent);
}

void showRun(ui::PlotsWindow& window, const SimpleSolver& solver, solver_kit::StartEnd end) {
    const auto& state = solver.state();
    QStringList names;
    for (int i = 1; i <= state.R; ++i) names << QStringLiteral("τάξη %1").arg(i);
    const bool withResult = end == solver_kit::StartEnd::Completed;
    window.showContent(plots::solverContent(state, names, withResult),
                       withResult ? plots::exactClassDistributions(state) : nullptr);
}

}  // namespace orven::simple_solver
