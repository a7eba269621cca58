#pragma once

#include <QWidget>
#include <array>

#include "orven/simple_sim/simulator.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace orven {
class Platform;
}

namespace orven::simple_sim {

class Form2;

// The main window of the simulator: populations, experiment, run length and the four buttons.
// It owns the simulator's state and the results window.
class Form1 final : public QWidget, private RunView {
    Q_OBJECT

  public:
    explicit Form1(Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    Form2& resultsWindow() { return *form2_; }
    const SimpleSimulator& simulator() const { return simulator_; }

  signals:
    // "Exit" (or "exit" of the results window): every window is closed and a run in progress
    // is abandoned; the program should end.
    void programEnded();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void start();
    void showResultsWindow();
    void setTime();
    void endProgram();

    void showProgress(const QString& text) override;
    void showResults(const ResultsContent& content) override;

    Platform& platform_;
    SimpleSimulator simulator_;
    Form2* form2_;
    std::array<QLineEdit*, kSources> populationBoxes_{};
    QLineEdit* Text5_;
    QLabel* Label6_;
    QPushButton* Command1_;
    bool ending_ = false;
};

}  // namespace orven::simple_sim
