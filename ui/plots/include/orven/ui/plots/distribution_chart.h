#pragma once

#include <QChart>
#include <optional>
#include <vector>

#include "orven/plots/plot_series.h"

class QBarSeries;
class QBarSet;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
class QXYSeries;

namespace orven::ui {

class ErrorBars;

// The chart of one distribution: a bar per state n with the estimated P(n), a whisker of the
// 95 % interval over each bar where the half-widths are known, and the exact P(n) as a marker
// where it is known (a line through them when there are too many states for markers). Hovering over
// a bar shows its figures in the display form.
class DistributionChart final : public QChart {
  public:
    // `estimateName` names the bars in the legend ("Εκτίμηση", "Συνάθροιση"), `exactName` the
    // markers ("Ακριβής τιμή").
    DistributionChart(const QString& estimateName, const QString& exactName);

    // Draws a distribution in place of the one shown.
    void showSeries(const plots::PlotSeries& series);
    const plots::PlotSeries& series() const { return series_; }

    QBarSet& estimates() const { return *estimates_; }
    // The exact values as drawn: markers, or for many states a line.
    QXYSeries& exactValues() const { return *exact_; }
    const ErrorBars& errorBars() const { return *errorBars_; }

  private:
    void fitValueAxis();
    void showTip(bool shown, int n) const;

    plots::PlotSeries series_;
    QBarSeries* bars_;
    QBarSet* estimates_;
    QScatterSeries* exactMarkers_;
    QLineSeries* exactLine_;
    QXYSeries* exact_;  // the one of the two in use
    // Stands in the legend for the whiskers, which are no series of their own.
    QLineSeries* intervalKey_;
    ErrorBars* errorBars_;
    QValueAxis* statesAxis_;
    QValueAxis* probabilityAxis_;
};

}  // namespace orven::ui
