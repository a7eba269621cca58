#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "orven/plots/plot_series.h"

class QComboBox;
class QLabel;

namespace orven {
class Platform;
}

namespace orven::ui {

class ChartPanel;
class ConvergenceChart;
class DistributionChart;
class ExactValueLabel;

// What differs between the programs' plots windows.
struct PlotsWindowSetup {
    QString objectName;       // the window's name among the program's windows ("Form4")
    QString selectorCaption;  // "Ουρά:" or "Τάξη:"
    QString estimateName;  // what the bars are, in the legend: "Εκτίμηση", "Συνάθροιση"
    QString exactName;         // what the markers are: "Ακριβής τιμή"
    bool convergence = false;  // a solver's window also traces the iteration
};

// The simulators' window, "Form3": a queue's estimated distribution against its exact values.
PlotsWindowSetup simulatorPlotsSetup();

// The plots window ("Διαγράμματα") of a program: the distribution chosen in the selector as
// bars with whiskers and exact markers, for a solver also the trace of its iteration; each
// chart can be saved and copied, and the window prints like every other window.
//
// A run hands over its content. Its exact values come from the exact value beside the run's
// result, where the window follows one (the same model, solved once for both), or from a job
// of their own: the job runs on a worker thread while the window is shown (never for a run the
// user does not look at), and its answer is dropped when a newer run has come meanwhile.
// Figures that come from elsewhere enter through setHalfWidths and setExact.
class PlotsWindow final : public QWidget {
    Q_OBJECT
  public:
    using ExactJob = std::function<plots::ExactValues()>;

    PlotsWindow(const PlotsWindowSetup& setup, Platform& platform, QWidget* parent = nullptr);
    ~PlotsWindow() override;

    // A run's plots in place of the last run's; the selection stays where the new run has it.
    // Without a job, the exact values come from the label that the window follows, if any.
    void showContent(plots::PlotContent content, ExactJob exactJob = {});
    const plots::PlotContent& content() const { return content_; }

    // The 95 % half-widths, or the exact values, of distribution `series` (in the order of
    // the content), one per value; they hold until the next run's content.
    void setHalfWidths(int series, std::vector<double> halfWidths);
    void setExact(int series, std::vector<double> exact);
    // Every series' exact values, or why there are none.
    void setExactValues(const plots::ExactValues& values);

    // The runs shown from now on without a job take their exact values from `label`, which
    // solves the model of each run beside its result: distribution s gets queue queues[s] of
    // that solution (plots::exactValuesOf). The label is handed each run before the window
    // gets the run's content.
    void followExactValue(const ExactValueLabel& label, std::vector<int> queues);

    // The distribution on show, by its place in the content.
    int selected() const;
    void select(int series);

    DistributionChart& distributionChart() const;
    ConvergenceChart* convergenceChart() const;  // null in a simulator's window

    void setVisible(bool visible) override;

  signals:
    // The exact values of the current run arrived (or the exact solution refused the model).
    void exactArrived();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void drawCharts();
    void selectedChanged();
    void showSelected();
    void startExactJob();
    void takeExactValue();
    void exactValueCancelled();
    void print();

    Platform& platform_;
    plots::PlotContent content_;
    ExactJob pendingJob_;
    // Counts the runs shown, so that a late answer of an older run's job is recognised.
    unsigned generation_ = 0;
    // The charts do not show the content yet (it came while the window was hidden).
    bool chartsStale_ = true;
    // The exact value that the window follows, the queue of its solution behind each
    // distribution, and whether the content on show waits for it.
    QPointer<const ExactValueLabel> exactValue_;
    std::vector<int> exactQueues_;
    bool awaitingExactValue_ = false;

    QLabel* Label1_;
    QComboBox* Combo1_;
    ChartPanel* distributions_;
    ChartPanel* convergence_ = nullptr;
    QLabel* Label2_;
};

}  // namespace orven::ui
