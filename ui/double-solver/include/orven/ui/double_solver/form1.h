#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>

#include "orven/double_solver/double_solver.h"
#include "orven/ui/double_solver/form2.h"
#include "orven/ui/double_solver/form3.h"
#include "orven/ui/double_solver/form4.h"
#include "orven/ui/panel_view.h"

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

namespace orven::double_solver {

// The main window of orven: R, the populations N1..N5 and the offsets of the equivalent
// station on the left with the buttons; the double network and the reduced network drawn in
// the middle, with the populations of the reduced classes; the output rates per state and the
// synchronization output on the right. It owns the program's state (the solver) and its three
// secondary windows, and shows each run as it goes.
class Form1 final : public QWidget, private ui::PanelView {
    Q_OBJECT
  public:
    explicit Form1(Platform& platform, QWidget* parent = nullptr);

    const DoubleSolver& solver() const { return solver_; }
    // The experiment window, created by the first "variables"; null before.
    Form2* experimentWindow() const { return experimentWindow_; }
    // The summary window while it is loaded; null when it is not.
    Form3* summaryWindow() const { return summaryWindow_; }
    // The rate table window while it is loaded; null when it is not.
    Form4* rateWindow() const { return rateWindow_; }
    // The plots window, which follows every run whether it is shown or not.
    ui::PlotsWindow& plotsWindow() const { return *plotsWindow_; }

  protected:
    // Ending the main window ends the program: every other window closes with it.
    void closeEvent(QCloseEvent* event) override;

  private:
    QLayout* inputColumn();
    QLayout* pictureColumn();

    void populationEdited(int k);
    void offsetEdited(QLineEdit& offset, const QLineEdit& population,
                      void (DoubleSolver::*set)(double));
    void openExperimentWindow();
    void start();
    void drawRandomRates();
    void showRateWindow();
    void openPlotsWindow();
    // A new rate table window holding these lists; the old one, if any, is discarded.
    Form4& reloadRateWindow(const std::vector<QStringList>& lists);
    // Text5 shows the populations of the reduced classes, none for a class whose stations hold
    // a population out of range.
    void showReducedPopulations();

    // How the window follows a run, beyond what every solver window does.
    void setUpDone() override;
    void runCompleted() override;

    Platform& platform_;
    DoubleSolver solver_;

    QLineEdit* Text1_ = nullptr;
    std::array<QLineEdit*, kStations> Text2_{};
    QLineEdit* Text6_ = nullptr;
    QLineEdit* Text7_ = nullptr;
    std::array<QLineEdit*, kClasses> Text5_{};
    QPushButton* Command1_ = nullptr;
    QPushButton* Command2_ = nullptr;
    QPushButton* Command3_ = nullptr;
    QPushButton* Command4_ = nullptr;
    QPushButton* Command5_ = nullptr;
    QPushButton* Command6_ = nullptr;
    QPushButton* Command7_ = nullptr;
    ui::OutputPanel* outputs_ = nullptr;

    QPointer<Form2> experimentWindow_;
    QPointer<Form3> summaryWindow_;
    QPointer<Form4> rateWindow_;
    ui::PlotsWindow* plotsWindow_ = nullptr;
};

}  // namespace orven::double_solver
