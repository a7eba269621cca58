#pragma once

#include <QWidget>

#include "orven/simple_sim/simulator.h"

class QLineEdit;

namespace orven {
class Platform;
}
namespace orven::ui {
class SimResultsWindow;
class SimulatorControls;
}  // namespace orven::ui

namespace orven::simple_sim {

// The main window of the simulator: populations, the picture of the model, and the controls
// that every simulator's main window has. It owns the simulator's state and the results window.
class Form1 final : public QWidget {
  public:
    explicit Form1(Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    QWidget& resultsWindow();
    const SimpleSimulator& simulator() const { return simulator_; }

  private:
    void start();

    Platform& platform_;
    SimpleSimulator simulator_;
    ui::SimResultsWindow* form2_;
    ui::SimulatorControls* controls_;
    QLineEdit* Text1_;
    QLineEdit* Text2_;
    QLineEdit* Text3_;
};

}  // namespace orven::simple_sim
