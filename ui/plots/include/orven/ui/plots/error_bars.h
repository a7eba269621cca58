#pragma once

#include <QGraphicsObject>
#include <QPen>
#include <vector>

class QAbstractSeries;
class QChart;

namespace orven::ui {

// Whiskers over a chart's plot: one vertical line with a short cap at each end per interval,
// placed through the axes of `series`. Qt Charts draws no error bars of its own; an item in the
// chart's scene is drawn wherever the chart is (screen, PNG, SVG, printer) and follows the plot
// area when the chart is resized.
class ErrorBars final : public QGraphicsObject {
  public:
    struct Interval {
        double x;
        double low;
        double high;
    };

    ErrorBars(QChart& chart, QAbstractSeries& series);

    void setIntervals(std::vector<Interval> intervals);
    const std::vector<Interval>& intervals() const { return intervals_; }
    void setPen(const QPen& pen);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  private:
    void plotAreaMoved();

    QChart& chart_;
    QAbstractSeries& series_;
    std::vector<Interval> intervals_;
    QPen pen_;
    QRectF area_;
};

}  // namespace orven::ui
