#include "orven/ui/sweep_chart.h"

#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>

#include "orven/ui/plots/chart_style.h"
#include "orven/ui/plots/error_bars.h"

namespace orven::ui {

namespace {

// Colours that stay apart in print and for most readers with a colour deficiency.
constexpr std::array<QRgb, 8> kPalette{0x0072b2, 0xd55e00, 0x009e73, 0xcc79a7,
                                       0xe69f00, 0x56b4e9, 0x000000, 0xf0e442};

// The points of a curve that has a value there: a case without an output leaves a gap.
QLineSeries* lineOf(const std::vector<double>& x, const std::vector<double>& y) {
    auto* line = new QLineSeries;
    QList<QPointF> points;
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
        if (std::isfinite(y[i])) points.append(QPointF(x[i], y[i]));
    }
    line->replace(points);
    return line;
}

// A step of 1, 2 or 5 times a power of ten that cuts `width` into at most ten parts.
double niceStep(double width) {
    const double decade = std::pow(10.0, std::floor(std::log10(width)));
    for (const double step : {0.1, 0.2, 0.5, 1.0}) {
        if (width / (step * decade) <= 10) return step * decade;
    }
    return decade;
}

// Ticks on round values of the inputs (whole ones when every input is whole), and a little room
// at both ends so that the first and last whiskers stand whole.
void fitInputAxis(QValueAxis& axis, double low, double high, bool whole) {
    double step = niceStep(high > low ? high - low : 1);
    if (whole) step = std::max(step, 1.0);
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(std::floor(low / step) * step);
    axis.setTickInterval(step);
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    axis.setLabelFormat(QStringLiteral("%.") + QString::number(decimals) + QStringLiteral("f"));
    const double room = std::max(high - low, step) * 0.03;
    axis.setRange(low - room, high + room);
}

struct Range {
    double low = 0;
    double high = 0;
    bool empty = true;
    void take(double value) {
        if (!std::isfinite(value)) return;
        low = empty ? value : std::min(low, value);
        high = empty ? value : std::max(high, value);
        empty = false;
    }
};

}  // namespace

SweepChart::SweepChart(const plots::SweepTable& table) {
    styleChart(*this, table.title);
    // The legend draws each line as it is drawn, so that a dashed exact line stands apart from
    // the solid one of its curve.
    legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    auto* xAxis = new QValueAxis;
    auto* yAxis = new QValueAxis;
    xAxis->setTitleText(table.xTitle);
    yAxis->setTitleText(table.yTitle);
    addAxis(xAxis, Qt::AlignBottom);
    addAxis(yAxis, Qt::AlignLeft);

    Range xs;
    Range ys;
    for (const double x : table.x) xs.take(x);
    for (std::size_t c = 0; c < table.curves.size(); ++c) {
        const plots::SweepCurve& curve = table.curves[c];
        const QColor colour(kPalette[c % kPalette.size()]);
        QLineSeries* line = lineOf(table.x, curve.y);
        // A sweep of one curve names it by its output.
        line->setName(curve.name.isEmpty() ? table.yTitle : curve.name);
        line->setPen(QPen(colour, 1.8));
        line->setPointsVisible(true);
        addSeries(line);
        line->attachAxis(xAxis);
        line->attachAxis(yAxis);
        for (const double y : curve.y) ys.take(y);

        if (curve.halfWidths) {
            std::vector<ErrorBars::Interval> intervals;
            for (std::size_t i = 0;
                 i < table.x.size() && i < curve.y.size() && i < curve.halfWidths->size(); ++i) {
                const double h = (*curve.halfWidths)[i];
                if (!std::isfinite(h) || !std::isfinite(curve.y[i])) continue;
                intervals.push_back({table.x[i], curve.y[i] - h, curve.y[i] + h});
                ys.take(curve.y[i] - h);
                ys.take(curve.y[i] + h);
            }
            auto* bars = new ErrorBars(*this, *line);
            bars->setPen(QPen(colour, 1.2));
            bars->setIntervals(std::move(intervals));
        }
        if (curve.exact) {
            QLineSeries* exact = lineOf(table.x, *curve.exact);
            exact->setName(curve.name.isEmpty() ? QStringLiteral("ακριβής τιμή")
                                                : curve.name + QStringLiteral(", ακριβής τιμή"));
            exact->setPen(QPen(colour, 1.4, Qt::DashLine));
            addSeries(exact);
            exact->attachAxis(xAxis);
            exact->attachAxis(yAxis);
            for (const double y : *curve.exact) ys.take(y);
        }
    }
    const bool whole =
        std::all_of(table.x.begin(), table.x.end(), [](double x) { return x == std::floor(x); });
    if (!xs.empty) fitInputAxis(*xAxis, xs.low, xs.high, whole);
    if (!ys.empty) {
        const double margin = std::max((ys.high - ys.low) * 0.05, 1e-9);
        yAxis->setRange(ys.low - margin, ys.high + margin);
        yAxis->applyNiceNumbers();
    }
}

}  // namespace orven::ui
