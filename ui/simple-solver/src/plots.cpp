#include "plots.h"

#include "orven/plots/solver_plots.h"
#include "orven/simple_solver/simple_solver.h"
#include "orven/ui/plots/plots_window.h"

namespace orven::simple_solver {

ui::PlotsWindow* newPlotsWindow(Platform& platform, QWidget* parent,
                                const ui::ExactValueLabel& exactValue) {
    auto* window =
        new ui::PlotsWindow({QStringLiteral("Form4"), QStringLiteral("Τάξη:"),
                             QStringLiteral("Συνάθροιση"), QStringLiteral("Ακριβής τιμή"), true},
                            platform, parent);
    // Class i waits in queue i of the exact solution, for every R.
    window->followExactValue(exactValue, {1, 2, 3, 4});
    return window;
}

void showRun(ui::PlotsWindow& window, const SimpleSolver& solver, solver_kit::StartEnd end) {
    const auto& state = solver.state();
    QStringList names;
    for (int i = 1; i <= state.R; ++i) names << QStringLiteral("τάξη %1").arg(i);
    window.showContent(plots::solverContent(state, names, end == solver_kit::StartEnd::Completed));
}

}  // namespace orven::simple_solver
