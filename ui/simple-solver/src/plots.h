#pragma once

#include "orven/solver_kit/solver.h"

class QWidget;

namespace orven {
class Platform;
namespace ui {
class PlotsWindow;
}
}  // namespace orven

namespace orven::simple_solver {

class SimpleSolver;

// orven-simple's plots window (Form4): the distribution of each class at the synchronization
// station, one class at a time ("τάξη 1" .. "τάξη R"), and the trace of the iteration.
ui::PlotsWindow* newPlotsWindow(Platform& platform, QWidget* parent);

// A "start" that ran the iteration: its distributions when it has a result, its trace in any
// case, and the exact distributions of the same network and rates to follow.
void showRun(ui::PlotsWindow& window, const SimpleSolver& solver, solver_kit::StartEnd end);

}  // namespace orven::simple_solver
