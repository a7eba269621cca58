#pragma once

#include <QWidget>

#include "orven/double_sim/simulator.h"

class QLineEdit;

namespace orven {
class Platform;
}
namespace orven::ui {
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
    const DoubleSimulator& simulator() const { return simulator_; }

  private:
    void start();

    Platform& platform_;
    DoubleSimulator simulator_;
    ui::SimResultsWindow* form2_;
    ui::SimulatorControls* controls_;
    QLineEdit* Text1_;
    QLineEdit* Text2_;
    QLineEdit* Text3_;
    QLineEdit* Text4_;
};

}  // namespace orven::double_sim
