#pragma once

#include <QChart>

#include "orven/plots/plot_series.h"

class QLineSeries;
class QLogValueAxis;
class QValueAxis;

namespace orven::ui {

// The course of a solver's iteration: err(k) on a logarithmic axis at the left with the
// precision that ends the iteration as a dashed line, and S(k) on a linear axis at the right,
// one point per iteration, so that a smooth descent, an oscillation, a damping episode or a
// cut-off shows at a glance.
class ConvergenceChart final : public QChart {
  public:
    ConvergenceChart();

    void showTrace(const plots::ConvergenceTrace& trace);

    QLineSeries& errors() const { return *errors_; }
    QLineSeries& outputs() const { return *outputs_; }

  private:
    QLineSeries* errors_;
    QLineSeries* outputs_;
    QLineSeries* precision_;
    QValueAxis* iterationAxis_;
    QLogValueAxis* errorAxis_;
    QValueAxis* outputAxis_;
};

}  // namespace orven::ui
