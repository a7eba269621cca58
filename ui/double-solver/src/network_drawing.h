#pragma once

#include <QPainter>
#include <QString>

namespace orven::double_solver {

// The pieces that both network pictures are drawn from, in the pictures' own coordinates.
namespace drawing {

// The colour of the marks of the synchronization stations.
inline const QColor kMark(200, 0, 0);

void arrowHead(QPainter& painter, QPointF tip);
// A stream: a line that ends in an arrow at `to`, with its label above the line.
void stream(QPainter& painter, QPointF from, QPointF to, const QString& label);
// A buffer in front of a synchronization station's bar: open on the left, closed by the bar at
// `right`, with its slots and its name beneath.
void buffer(QPainter& painter, double left, double right, double y, const QString& name);
// A synchronization station's bar from `top` to `bottom`.
void bar(QPainter& painter, double x, double top, double bottom);
// A red mark above a bar: a number, or a cross when `text` is empty.
void mark(QPainter& painter, QPointF centre, const QString& text);

}  // namespace drawing

// What takes a picture drawn in `logical` coordinates to a widget's size, keeping its
// proportions and centring it.
QTransform pictureTransform(const QSizeF& logical, const QSizeF& widget);

}  // namespace orven::double_solver
