#pragma once

#include <QWidget>

#include "orven/double_sim/simulator.h"

class QLineEdit;

namespace orven {
class Platform;
}
namespace orven::ui {
class PlotsWindow;
class SimResultsWindow;
class SimulatorControls;
}  // namespace orven::ui

namespace orven::double_sim {

// The main window of the simulator: the four loop populations, the diagram of the network, and
// the controls that every simulator's main window has. It owns the simulator's state and the
// results window.
class Form1 final : public QWidget {
  public:
    explicit Form1(Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    QWidget& resultsWindow();
    // The plots window, which follows every completed run whether it is shown or not.
    ui::PlotsWindow& plotsWindow() const { return *plotsWindow_; }
    const DoubleSimulator& simulator() const { return simulator_; }

  private:
    void start();
    void openPlotsWindow();

    Platform& platform_;
    DoubleSimulator simulator_;
    ui::SimResultsWindow* form2_;
    ui::SimulatorControls* controls_;
    ui::PlotsWindow* plotsWindow_;
    QLineEdit* Text1_;
    QLineEdit* Text2_;
    QLineEdit* Text3_;
    QLineEdit* Text4_;
};

}  // namespace orven::double_sim
