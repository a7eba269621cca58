#include "orven/ui/plots/convergence_chart.h"

#include <QLineSeries>
#include <QLogValueAxis>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "orven/aggregation/iteration.h"
#include "orven/ui/plots/chart_style.h"

namespace orven::ui {

namespace {

// An error of exactly 0 cannot stand on a logarithmic axis: it is drawn at the relative
// precision of a double, where the iteration cannot tell two outputs apart anyway.
constexpr double kSmallestDrawnError = 1e-16;

double drawnError(double err) {
    return std::max(err, kSmallestDrawnError);
}

}  // namespace

ConvergenceChart::ConvergenceChart()
    : errors_(new QLineSeries),
      outputs_(new QLineSeries),
      precision_(new QLineSeries),
      iterationAxis_(new QValueAxis),
      errorAxis_(new QLogValueAxis),
      outputAxis_(new QValueAxis) {
    styleChart(*this, QStringLiteral("Σύγκλιση της επανάληψης"));
    errors_->setName(QStringLiteral("Σφάλμα err(k)"));
    errors_->setPen(QPen(QColor(178, 34, 34), 1.5));
    outputs_->setName(QStringLiteral("Έξοδος S(k)"));
    outputs_->setPen(QPen(QColor(70, 130, 180), 1.5));
    precision_->setName(QStringLiteral("Ακρίβεια ") + chartNumber(aggregation::kPrecision));
    precision_->setPen(QPen(Qt::gray, 1, Qt::DashLine));
    for (QLineSeries* series : {errors_, outputs_, precision_}) addSeries(series);

    iterationAxis_->setTitleText(QStringLiteral("Επανάληψη k"));
    iterationAxis_->setLabelFormat(QStringLiteral("%.0f"));
    errorAxis_->setTitleText(QStringLiteral("Σφάλμα err(k)"));
    errorAxis_->setBase(10);
    errorAxis_->setLabelFormat(QStringLiteral("%.0e"));
    outputAxis_->setTitleText(QStringLiteral("Έξοδος S(k)"));
    outputAxis_->setLabelFormat(QStringLiteral("%.3g"));
    addAxis(iterationAxis_, Qt::AlignBottom);
    addAxis(errorAxis_, Qt::AlignLeft);
    addAxis(outputAxis_, Qt::AlignRight);
    for (QLineSeries* series : {errors_, precision_}) {
        series->attachAxis(iterationAxis_);
        series->attachAxis(errorAxis_);
    }
    outputs_->attachAxis(iterationAxis_);
    outputs_->attachAxis(outputAxis_);
    showTrace({});
}

void ConvergenceChart::showTrace(const plots::ConvergenceTrace& trace) {
    QList<QPointF> errors;
    QList<QPointF> outputs;
    double smallest = aggregation::kPrecision;
    double largest = 1;
    double lowS = 0;
    double highS = 0;
    for (std::size_t k = 0; k < trace.iteration.size(); ++k) {
        const double x = trace.iteration[k];
        errors.append(QPointF(x, drawnError(trace.err[k])));
        outputs.append(QPointF(x, trace.S[k]));
        smallest = std::min(smallest, drawnError(trace.err[k]));
        largest = std::max(largest, trace.err[k]);
        lowS = k == 0 ? trace.S[k] : std::min(lowS, trace.S[k]);
        highS = k == 0 ? trace.S[k] : std::max(highS, trace.S[k]);
    }
    errors_->replace(errors);
    outputs_->replace(outputs);
    const double last = trace.iteration.empty() ? 2 : std::max(2, trace.iteration.back());
    precision_->replace(
        {QPointF(1, aggregation::kPrecision), QPointF(last, aggregation::kPrecision)});

    iterationAxis_->setRange(1, last);
    iterationAxis_->applyNiceNumbers();
    iterationAxis_->setMin(std::max(0.0, iterationAxis_->min()));
    // Whole decades, so that every label is a power of ten.
    errorAxis_->setRange(std::pow(10.0, std::floor(std::log10(smallest))),
                         std::pow(10.0, std::ceil(std::log10(largest))));
    const double margin = std::max((highS - lowS) * 0.05, std::max(std::fabs(highS), 1e-3) * 1e-3);
    outputAxis_->setRange(lowS - margin, highS + margin);
    outputAxis_->applyNiceNumbers();
}

}  // namespace orven::ui
