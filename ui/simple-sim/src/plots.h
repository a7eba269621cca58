#pragma once

class QWidget;

namespace orven {
class Platform;
namespace ui {
class PlotsWindow;
}
}  // namespace orven

namespace orven::simple_sim {

class SimpleSimulator;

// orven-sim-simple's plots window (Form3): the estimated distribution of each queue, one queue
// at a time ("ουρά n1" .. "ουρά n3", in the order of the results window's columns).
ui::PlotsWindow* newPlotsWindow(Platform& platform, QWidget* parent);

// A completed run: its estimates, with the exact distributions of the same network and rates
// to follow.
void showRun(ui::PlotsWindow& window, const SimpleSimulator& simulator);

}  // namespace orven::simple_sim
