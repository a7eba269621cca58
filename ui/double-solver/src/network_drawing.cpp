#include "network_drawing.h"

#include <QPainterPath>
#include <algorithm>

namespace orven::double_solver {

namespace drawing {

namespace {
constexpr double kBufferHeight = 14;
constexpr int kSlots = 4;
}  // namespace

void arrowHead(QPainter& painter, QPointF tip) {
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip + QPointF(-7, -3.5));
    head.lineTo(tip + QPointF(-7, 3.5));
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

void stream(QPainter& painter, QPointF from, QPointF to, const QString& label) {
    painter.drawLine(from, to);
    arrowHead(painter, to);
    if (label.isEmpty()) return;
    painter.drawText(QRectF(from.x(), from.y() - 17, to.x() - from.x(), 15),
                     Qt::AlignCenter | Qt::TextDontClip, label);
}

void buffer(QPainter& painter, double left, double right, double y, const QString& name) {
    const double top = y - kBufferHeight / 2;
    const double bottom = y + kBufferHeight / 2;
    painter.drawLine(QPointF(left, top), QPointF(right, top));
    painter.drawLine(QPointF(left, bottom), QPointF(right, bottom));
    const double slot = (right - left) / kSlots;
    for (int k = 1; k < kSlots; ++k) {
        painter.drawLine(QPointF(right - k * slot, top), QPointF(right - k * slot, bottom));
    }
    painter.drawText(QRectF(left, bottom + 1, right - left, 13), Qt::AlignCenter | Qt::TextDontClip,
                     name);
}

void bar(QPainter& painter, double x, double top, double bottom) {
    const QPen pen = painter.pen();
    painter.setPen(QPen(pen.color(), 4));
    painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    painter.setPen(pen);
}

void mark(QPainter& painter, QPointF centre, const QString& text) {
    const QPen pen = painter.pen();
    painter.setPen(QPen(kMark, 2));
    if (text.isEmpty()) {
        constexpr double kArm = 5;
        painter.drawLine(centre + QPointF(-kArm, -kArm), centre + QPointF(kArm, kArm));
        painter.drawLine(centre + QPointF(-kArm, kArm), centre + QPointF(kArm, -kArm));
    } else {
        QFont font = painter.font();
        font.setBold(true);
        painter.save();
        painter.setFont(font);
        painter.drawText(QRectF(centre.x() - 10, centre.y() - 8, 20, 16),
                         Qt::AlignCenter | Qt::TextDontClip, text);
        painter.restore();
    }
    painter.setPen(pen);
}

}  // namespace drawing

QTransform pictureTransform(const QSizeF& logical, const QSizeF& widget) {
    const double scale =
        std::min(widget.width() / logical.width(), widget.height() / logical.height());
    QTransform transform;
    transform.translate((widget.width() - logical.width() * scale) / 2,
                        (widget.height() - logical.height() * scale) / 2);
    transform.scale(scale, scale);
    return transform;
}

}  // namespace orven::double_solver
