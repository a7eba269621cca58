#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "orven/sim/run_view.h"

class QFrame;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace orven {
class Platform;
}
namespace orven::sim {
class RunController;
}

namespace orven::ui {

class SimResultsWindow;

// The part of a simulator's main window that is the same for every network: the experiment
// options (Frame1), the run length (Label5, Text5) and progress (Label6), the four buttons, and
// what they do around a run. During a run Start and the options are unavailable, so that the
// record names the rates it holds; Text5 only shows the run length in use; "Exit", or closing
// the window, ends the program at once and abandons the run. "Διαγράμματα" (Command5), beside
// "Results", asks the window for its plots.
class SimulatorControls final : public QObject, public sim::RunView {
    Q_OBJECT

  public:
    struct Option {
        QString caption;
        int experiment;
    };

    // `options` in the order they stand in the frame, top to bottom.
    SimulatorControls(QWidget& window, sim::RunController& controller, Platform& platform,
                      SimResultsWindow& results, const std::vector<Option>& options,
                      int experiment);

    // Lays the main window out: the populations at the top left, the picture in the middle and
    // the options at the top right; the run length and progress at the bottom left and the
    // buttons at the bottom right. Then sets the window's keys: Enter in a field is "Start".
    // An edit of a population field, like another option, empties the results window's exact
    // value, which belongs to the inputs of the last run.
    void layOut(QLayout* populations, QWidget* picture);

    void runStarted() override;
    void runEnded() override;
    void showProgress(const QString& text) override;
    void showResults(const sim::ResultsContent& content) override;

  signals:
    void startClicked();
    void plotsClicked();
    void experimentChosen(int experiment);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setTime();
    void showResultsWindow();
    void endProgram();

    QWidget& window_;
    sim::RunController& controller_;
    Platform& platform_;
    SimResultsWindow& results_;
    QFrame* Frame1_;
    std::vector<QRadioButton*> Option1_;  // by experiment
    std::vector<QWidget*> tabOrder_;      // the options as they stand
    QLabel* Label5_;
    QLineEdit* Text5_;
    QLabel* Label6_;
    QPushButton* Command1_;
    QPushButton* Command2_;
    QPushButton* Command3_;
    QPushButton* Command4_;
    QPushButton* Command5_;
};

}  // namespace orven::ui
