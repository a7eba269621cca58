#include "orven/ui/plots/error_bars.h"

#include <QAbstractSeries>
#include <QChart>
#include <QPainter>

namespace orven::ui {

namespace {

// Half the width of a cap in pixels: narrow enough for 30 bars side by side.
constexpr double kCapHalfWidth = 4.0;

}  // namespace

ErrorBars::ErrorBars(QChart& chart, QAbstractSeries& series)
    : QGraphicsObject(&chart), chart_(chart), series_(series), pen_(Qt::black, 1.2) {
    // Over the bars and the markers' background, under nothing that matters.
    setZValue(10);
    area_ = chart_.plotArea();
    connect(&chart_, &QChart::plotAreaChanged, this, &ErrorBars::plotAreaMoved);
}

void ErrorBars::setIntervals(std::vector<Interval> intervals) {
    intervals_ = std::move(intervals);
    update();
}

void ErrorBars::setPen(const QPen& pen) {
    pen_ = pen;
    update();
}

void ErrorBars::plotAreaMoved() {
    prepareGeometryChange();
    area_ = chart_.plotArea();
    update();
}

QRectF ErrorBars::boundingRect() const {
    return area_.adjusted(-kCapHalfWidth, -kCapHalfWidth, kCapHalfWidth, kCapHalfWidth);
}

void ErrorBars::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (intervals_.empty()) return;
    painter->save();
    painter->setClipRect(chart_.plotArea());
    painter->setPen(pen_);
    for (const Interval& interval : intervals_) {
        // The axes are read at every paint: a range set after the intervals still holds.
        const QPointF low = chart_.mapToPosition(QPointF(interval.x, interval.low), &series_);
        const QPointF high = chart_.mapToPosition(QPointF(interval.x, interval.high), &series_);
        painter->drawLine(low, high);
        for (const QPointF& end : {low, high}) {
            painter->drawLine(QPointF(end.x() - kCapHalfWidth, end.y()),
                              QPointF(end.x() + kCapHalfWidth, end.y()));
        }
    }
    painter->restore();
}

}  // namespace orven::ui
