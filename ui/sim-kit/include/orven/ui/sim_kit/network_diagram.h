#pragma once

#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QWidget>

class QPainter;

namespace orven::ui {

// The picture of a simulator's network (Picture1), drawn by the program on white from the
// network's description.
class NetworkDiagram : public QWidget {
  public:
    NetworkDiagram(QSize size, QWidget* parent);
    QSize sizeHint() const override { return size_; }

  protected:
    void paintEvent(QPaintEvent* event) final;
    // Draws the network into the widget's whole area, with a thin black pen ready.
    virtual void draw(QPainter& painter) = 0;

  private:
    QSize size_;
};

// The pieces of a network diagram.
// A line from `from` to `to` that ends in an arrow head at `to`.
void drawArrow(QPainter& painter, QPointF from, QPointF to);
// A queue: its top and bottom lines and `cells` - 1 walls between its cells, open on the left
// where jobs come in and closed on the right by its station's bar.
void drawQueue(QPainter& painter, const QRectF& box, int cells);
// A synchronization station: a thick vertical bar at `x` from `top` to `bottom`, its mark
// centred over it.
void drawStation(QPainter& painter, double x, double top, double bottom, const QString& mark);
// A label standing on a line at `y` between `left` and `right`.
void drawLabelOver(QPainter& painter, double left, double right, double y, const QString& text);

}  // namespace orven::ui
