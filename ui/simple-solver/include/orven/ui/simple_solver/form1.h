#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>

#include "orven/simple_solver/simple_solver.h"
#include "orven/ui/panel_view.h"
#include "orven/ui/simple_solver/form2.h"
#include "orven/ui/simple_solver/form3.h"

class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

namespace orven {
class Platform;
namespace ui {
class OutputPanel;
class PlotsWindow;
}  // namespace ui
}  // namespace orven

namespace orven::simple_solver {

// The main window of orven-simple: R, the population fields, the experiment name, the buttons,
// and the output rates per state with the synchronization output. It owns the program's state
// (the solver) and its two secondary windows, and shows each run as it goes.
class Form1 final : public QWidget, private ui::PanelView {
    Q_OBJECT
  public:
    explicit Form1(Platform& platform, QWidget* parent = nullptr);

    const SimpleSolver& solver() const { return solver_; }
    // The experiment window, created by the first "variables"; null before.
    Form2* experimentWindow() const { return experimentWindow_; }
    // The summary window while it is loaded; null when it is not.
    Form3* summaryWindow() const { return summaryWindow_; }
    // The plots window, which follows every run whether it is shown or not.
    ui::PlotsWindow& plotsWindow() const { return *plotsWindow_; }

  protected:
    // Ending the main window ends the program: every other window closes with it.
    void closeEvent(QCloseEvent* event) override;

  private:
    QLayout* inputColumn();

    void populationEdited(int k);
    void openExperimentWindow();
    void experimentChosen(int code);
    void start();
    void openPlotsWindow();
    // Shows the population fields in use so far and the lists of the classes set up.
    void showSetUp();

    // How the window follows a run, beyond what every solver window does.
    void setUpDone() override;

    Platform& platform_;
    SimpleSolver solver_;

    QLineEdit* Text1_ = nullptr;
    std::array<QLabel*, kPopulationFields> Label2_{};
    std::array<QLineEdit*, kPopulationFields> Text2_{};
    QLineEdit* Text3_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* Command2_ = nullptr;
    QPushButton* Command3_ = nullptr;
    QPushButton* Command4_ = nullptr;
    QPushButton* Command5_ = nullptr;
    ui::OutputPanel* outputs_ = nullptr;

    QPointer<Form2> experimentWindow_;
    QPointer<Form3> summaryWindow_;
    ui::PlotsWindow* plotsWindow_ = nullptr;
};

}  // namespace orven::simple_solver
