#pragma once

class QWidget;

namespace orven {
class Platform;
namespace ui {
class PlotsWindow;
}
}  // namespace orven

namespace orven::double_sim {

class DoubleSimulator;

// orven-sim's plots window (Form3): the estimated distribution of each queue, one at a time,
// named and ordered as the diagram and the results window show them: "ουρά n1", "ουρά n2",
// "ουρά n3", "ουρά n4" (queue 5), "ουρά n5" (queue 4), "ουρά n6", then the jobs of queues n2
// and n4 together.
ui::PlotsWindow* newPlotsWindow(Platform& platform, QWidget* parent);

// A completed run: its estimates, with the exact distributions of the same network and rates
// to follow.
void showRun(ui::PlotsWindow& window, const DoubleSimulator& simulator);

}  // namespace orven::double_sim
