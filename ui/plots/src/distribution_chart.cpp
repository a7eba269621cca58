#include "orven/ui/plots/distribution_chart.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCursor>
#include <QLineSeries>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "orven/ui/plots/chart_style.h"
#include "orven/ui/plots/error_bars.h"

namespace orven::ui {

namespace {

const QColor kBarColour(70, 130, 180);
const QColor kExactColour(178, 34, 34);
// Up to this many states the exact values stand as markers over the bars; beyond, markers would
// cover each other (and cost a graphics item each), so a line joins the exact values instead.
constexpr std::size_t kMostMarkers = 100;

// No more than about 16 labels under the bars, on whole states.
double stateStep(std::size_t states) {
    const double count = static_cast<double>(states);
    for (double decade = 1;; decade *= 10) {
        for (const double step : {1.0, 2.0, 5.0}) {
            if (count / (step * decade) <= 16) return step * decade;
        }
    }
}

// Between 4 and 10 steps of 1, 2 or 5 times a power of ten up to `top`.
double probabilityStep(double top) {
    const double decade = std::pow(10.0, std::floor(std::log10(top)));
    for (const double step : {0.1, 0.2, 0.5, 1.0}) {
        if (top / (step * decade) <= 10) return step * decade;
    }
    return decade;
}

// A new range and tick step, never passing through the old step over the new range or the new
// step over the old one: an axis lays a label out for every tick at once, and 20000 of them
// take seconds.
void setAxis(QValueAxis& axis, double low, double high, double step) {
    axis.setTickInterval(std::max(axis.tickInterval(), step) * 1e6);
    axis.setRange(low, high);
    axis.setTickInterval(step);
}

}  // namespace

DistributionChart::DistributionChart(const QString& estimateName, const QString& exactName)
    : bars_(new QBarSeries),
      estimates_(new QBarSet(estimateName)),
      exactMarkers_(new QScatterSeries),
      exactLine_(new QLineSeries),
      intervalKey_(new QLineSeries),
      statesAxis_(new QValueAxis),
      probabilityAxis_(new QValueAxis) {
    styleChart(*this, QString());
    estimates_->setColor(kBarColour);
    estimates_->setBorderColor(kBarColour.darker(130));
    bars_->append(estimates_);
    bars_->setBarWidth(0.7);
    exactMarkers_->setName(exactName);
    exactMarkers_->setMarkerShape(QScatterSeries::MarkerShapeRotatedRectangle);
    exactMarkers_->setMarkerSize(11);
    exactMarkers_->setColor(kExactColour);
    exactMarkers_->setBorderColor(Qt::white);
    exactLine_->setName(exactName);
    exactLine_->setPen(QPen(kExactColour, 1.5));
    exact_ = exactMarkers_;
    intervalKey_->setName(QStringLiteral("Διάστημα εμπιστοσύνης 95 %"));
    intervalKey_->setPen(QPen(Qt::black, 1.2));
    addSeries(bars_);

    statesAxis_->setTitleText(QStringLiteral("Πλήθος εργασιών n"));
    statesAxis_->setLabelFormat(QStringLiteral("%.0f"));
    statesAxis_->setTickType(QValueAxis::TicksDynamic);
    statesAxis_->setTickAnchor(0);
    statesAxis_->setGridLineVisible(false);
    probabilityAxis_->setTitleText(QStringLiteral("Πιθανότητα P(n)"));
    probabilityAxis_->setTickType(QValueAxis::TicksDynamic);
    probabilityAxis_->setTickAnchor(0);
    addAxis(statesAxis_, Qt::AlignBottom);
    addAxis(probabilityAxis_, Qt::AlignLeft);
    bars_->attachAxis(statesAxis_);
    bars_->attachAxis(probabilityAxis_);
    // Kept by the chart while they are out of it, so that they end with it.
    for (QObject* key : std::initializer_list<QObject*>{exactMarkers_, exactLine_, intervalKey_})
        key->setParent(this);
    errorBars_ = new ErrorBars(*this, *bars_);
    connect(estimates_, &QBarSet::hovered, this, [this](bool shown, int n) { showTip(shown, n); });
    showSeries({});
}

void DistributionChart::showSeries(const plots::PlotSeries& series) {
    series_ = series;
    setTitle(series.name.isEmpty() ? QString() : QStringLiteral("Κατανομή: ") + series.name);
    const auto states = series.values.size();

    estimates_->remove(0, estimates_->count());
    estimates_->append(QList<qreal>(series.values.begin(), series.values.end()));

    QList<QPointF> exact;
    if (series.exact) {
        for (std::size_t n = 0; n < series.exact->size() && n < states; ++n)
            exact.append(QPointF(static_cast<double>(n), (*series.exact)[n]));
    }
    exactMarkers_->clear();
    exactLine_->clear();
    exact_ = states <= kMostMarkers ? static_cast<QXYSeries*>(exactMarkers_) : exactLine_;
    exact_->replace(exact);

    std::vector<ErrorBars::Interval> intervals;
    if (series.halfWidths) {
        for (std::size_t n = 0; n < series.halfWidths->size() && n < states; ++n) {
            const double p = series.values[n];
            const double h = (*series.halfWidths)[n];
            intervals.push_back({static_cast<double>(n), std::max(0.0, p - h), p + h});
        }
    }
    errorBars_->setIntervals(std::move(intervals));
    // The legend names only what is drawn; the series go back in their order, so that the
    // legend reads bars, markers, whiskers.
    for (QAbstractSeries* key :
         std::initializer_list<QAbstractSeries*>{exactMarkers_, exactLine_, intervalKey_}) {
        if (key->chart() == this) {
            removeSeries(key);
            key->setParent(this);
        }
    }
    for (const auto& [key, shown] :
         {std::pair<QAbstractSeries*, bool>{exact_, series.exact.has_value()},
          {intervalKey_, series.halfWidths.has_value()}}) {
        if (!shown) continue;
        addSeries(key);
        key->attachAxis(statesAxis_);
        key->attachAxis(probabilityAxis_);
    }

    setAxis(*statesAxis_, -0.5, std::max<double>(1, static_cast<double>(states)) - 0.5,
            stateStep(states));
    fitValueAxis();
}

void DistributionChart::fitValueAxis() {
    double top = 0;
    for (const double p : series_.values) top = std::max(top, p);
    for (const auto& interval : errorBars_->intervals()) top = std::max(top, interval.high);
    if (series_.exact) {
        for (const double p : *series_.exact) top = std::max(top, p);
    }
    // A little room above the tallest bar or marker, and a readable axis for an empty chart; the
    // labels on round steps, with as many decimals as the step needs.
    top = std::max(0.05, top * 1.05);
    const double step = probabilityStep(top);
    setAxis(*probabilityAxis_, 0, std::ceil(top / step - 1e-9) * step, step);
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    probabilityAxis_->setLabelFormat(QStringLiteral("%.") + QString::number(decimals) +
                                     QStringLiteral("f"));
}

void DistributionChart::showTip(bool shown, int n) const {
    if (!shown || n < 0 || static_cast<std::size_t>(n) >= series_.values.size()) {
        QToolTip::hideText();
        return;
    }
    const auto at = static_cast<std::size_t>(n);
    QString text = QStringLiteral("n = %1\n%2: %3")
                       .arg(n)
                       .arg(estimates_->label(), chartNumber(series_.values[at]));
    if (series_.halfWidths && at < series_.halfWidths->size())
        text += QStringLiteral(" ± ") + chartNumber((*series_.halfWidths)[at]);
    if (series_.exact && at < series_.exact->size())
        text += u'\n' + exact_->name() + QStringLiteral(": ") + chartNumber((*series_.exact)[at]);
    QToolTip::showText(QCursor::pos(), text);
}

}  // namespace orven::ui
