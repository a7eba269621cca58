#pragma once

class QWidget;

namespace orven {
class Platform;
namespace ui {
class ExactValueLabel;
class PlotsWindow;
}  // namespace ui
}  // namespace orven

namespace orven::simple_sim {

class SimpleSimulator;

// orven-sim-simple's plots window (Form3): the estimated distribution of each queue, one queue
// at a time ("ουρά n1" .. "ουρά n3", in the order of the results window's columns), with the
// exact distributions taken from the solution behind `exactValue`, the exact value beside X.
ui::PlotsWindow* newPlotsWindow(Platform& platform, QWidget* parent,
                                const ui::ExactValueLabel& exactValue);

// A completed run: its estimates with their 95 % half-widths; the exact distributions follow
// when the exact value beside X, which the run was handed first, has been computed.
void showRun(ui::PlotsWindow& window, const SimpleSimulator& simulator);

}  // namespace orven::simple_sim
