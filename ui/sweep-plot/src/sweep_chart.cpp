#include "sweep_chart.h"

#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>

#include "orven/ui/plots/chart_style.h"
#include "orven/ui/plots/error_bars.h"

namespace orven::ui {

namespace {

// Colours that stay apart in print and for most readers with a colour deficiency.
constexpr std::array<QRgb, 8> kPalette{0x0072b2, 0xd55e00, 0x009e73, 0xcc79a7,
                                       0xe69f00, 0x56b4e9, 0x000000, 0xf0e442};

QLineSeries* lineOf(const std::vector<double>& x, const std::vector<double>& y) {
    auto* line = new QLineSeries;
    QList<QPointF> points;
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) points.append(QPointF(x[i], y[i]));
    line->replace(points);
    return line;
}

struct Range {
    double low = 0;
    double high = 0;
    bool empty = true;
    void take(double value) {
        low = empty ? value : std::min(low, value);
        high = empty ? value : std::max(high, value);
        empty = false;
    }
};

}  // namespace

SweepChart::SweepChart(const plots::SweepTable& table) {
    styleChart(*this, table.title);
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
        line->setName(curve.name);
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
    if (!xs.empty) xAxis->setRange(xs.low, xs.high > xs.low ? xs.high : xs.low + 1);
    if (!ys.empty) {
        const double margin = std::max((ys.high - ys.low) * 0.05, 1e-9);
        yAxis->setRange(ys.low - margin, ys.high + margin);
        yAxis->applyNiceNumbers();
    }
}

}  // namespace orven::ui
