#pragma once

#include "orven/solver_kit/solver.h"

class QWidget;

namespace orven {
class Platform;
namespace ui {
class ExactValueLabel;
class PlotsWindow;
}  // namespace ui
}  // namespace orven

namespace orven::simple_solver {

class SimpleSolver;

// orven-simple's plots window (Form4): the distribution of each class at the synchronization
// station, one class at a time ("τάξη 1" .. "τάξη R"), and the trace of the iteration; the
// exact distributions are taken from the solution behind `exactValue`, the exact value beside
// S, which is of the same network and rates.
ui::PlotsWindow* newPlotsWindow(Platform& platform, QWidget* parent,
                                const ui::ExactValueLabel& exactValue);

// A "start" that ran the iteration: its distributions when it has a result, its trace in any
// case; the exact distributions follow when the exact value beside S, which a completed run
// was handed first, has been computed.
void showRun(ui::PlotsWindow& window, const SimpleSolver& solver, solver_kit::StartEnd end);

}  // namespace orven::simple_solver
