#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

#include "form2.h"
#include "form3.h"
#include "orven/simple_solver/simple_solver.h"
#include "output_heading.h"

class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;

namespace orven {
class Platform;
}

namespace orven::simple_solver::ui {

// The main window of orven-simple: R, the population fields, the experiment name, the buttons,
// and the output rates per state with the synchronization output. It owns the program's state
// (the solver) and its two secondary windows.
class Form1 final : public QWidget {
    Q_OBJECT
  public:
    explicit Form1(Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    const SimpleSolver& solver() const { return solver_; }
    // The experiment window, created by the first "variables"; null before.
    Form2* experimentWindow() const { return experimentWindow_; }
    // The summary window while it is loaded; null when it is not.
    Form3* summaryWindow() const { return summaryWindow_; }

  protected:
    // Ending the main window ends the program: every other window closes with it.
    void closeEvent(QCloseEvent* event) override;

  private:
    QLayout* inputColumn();
    QLayout* outputColumn();

    void populationEdited(int k, const QString& text);
    void openExperimentWindow();
    void experimentChosen(int code);
    void start();
    void openSummaryWindow();
    void unloadSummaryWindow();

    // Shows the population fields in use so far and the list boxes of the classes set up.
    void showSetUp();
    void showClassLists(int classes);
    void clearOutputLists();
    void setBusy(bool busy);

    Platform& platform_;
    SimpleSolver solver_;
    bool busy_ = false;

    QLineEdit* text1_ = nullptr;
    std::array<QLabel*, kPopulationFields> label2_{};
    std::array<QLineEdit*, kPopulationFields> text2_{};
    QLineEdit* text3_ = nullptr;
    QLabel* label4_ = nullptr;
    std::array<QListWidget*, kOutputLists> list1_{};
    QLineEdit* text4_ = nullptr;

    QPointer<Form2> experimentWindow_;
    QPointer<Form3> summaryWindow_;
};

}  // namespace orven::simple_solver::ui
