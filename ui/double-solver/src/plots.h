#pragma once

#include "orven/solver_kit/solver.h"

class QWidget;

namespace orven {
class Platform;
namespace ui {
class PlotsWindow;
}
}  // namespace orven

namespace orven::double_solver {

class DoubleSolver;

// orven's plots window (Form5): the distribution of each class of the reduced network at its
// synchronization station ("τάξη 1'", "τάξη 2'", "τάξη 5'", "τάξη 3'", as the reduced network
// is drawn), and the trace of the iteration.
ui::PlotsWindow* newPlotsWindow(Platform& platform, QWidget* parent);

// A "start" that ran the iteration: its distributions when it has a result, its trace in any
// case, and to follow the exact distributions of the reduced network that the run solved (the
// equivalent station's rates included), which show how far the aggregation is from the exact
// solution of the same model. That model is the window's own: the exact value beside S is of
// the double network the reduced one stands for.
void showRun(ui::PlotsWindow& window, const DoubleSolver& solver, solver_kit::StartEnd end);

}  // namespace orven::double_solver
