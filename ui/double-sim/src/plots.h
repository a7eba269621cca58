#pragma once

class QWidget;

namespace orven {
class Platform;
namespace ui {
class ExactValueLabel;
class PlotsWindow;
}  // namespace ui
}  // namespace orven

namespace orven::double_sim {

class DoubleSimulator;

// orven-sim's plots window (Form3): the estimated distribution of each queue, one at a time,
// named and ordered as the diagram and the results window show them: "ουρά n1", "ουρά n2",
// "ουρά n3", "ουρά n4" (queue 5), "ουρά n5" (queue 4), "ουρά n6", then the jobs of queues n2
// and n4 together; with the exact distributions taken from the solution behind `exactValue`,
// the exact value beside X1 and X2.
ui::PlotsWindow* newPlotsWindow(Platform& platform, QWidget* parent,
                                const ui::ExactValueLabel& exactValue);

// A completed run: its estimates with their 95 % half-widths; the exact distributions follow
// when the exact value beside the outputs, which the run was handed first, has been computed.
void showRun(ui::PlotsWindow& window, const DoubleSimulator& simulator);

}  // namespace orven::double_sim
