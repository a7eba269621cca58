#include "network_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace orven::simple_solver {

namespace {

constexpr int kWidth = 128;
constexpr int kHeight = 120;
constexpr int kClasses = 3;

void drawArrowHead(QPainter& painter, QPointF tip, double direction) {
    constexpr double kSize = 5;
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip.x() - direction * kSize, tip.y() - kSize / 2);
    head.lineTo(tip.x() - direction * kSize, tip.y() + kSize / 2);
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

}  // namespace

NetworkPicture::NetworkPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
}

QSize NetworkPicture::sizeHint() const {
    return {kWidth, kHeight};
}

void NetworkPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(250, 246, 232));
    painter.setPen(QPen(QColor(40, 40, 90), 1.5));

    const double barX = 92;
    const double top = 16;
    const double rowGap = (kHeight - 2 * top) / (kClasses - 1);
    // The synchronization station: one queue per class, joined by a bar.
    painter.drawLine(QPointF(barX, top - 8), QPointF(barX, kHeight - top + 8));
    for (int i = 0; i < kClasses; ++i) {
        const double y = top + i * rowGap;
        const QPointF station(26, y);
        // The class's own station.
        painter.drawEllipse(station, 10, 10);
        painter.drawText(QRectF(station.x() - 10, y - 10, 20, 20), Qt::AlignCenter,
                         QString::number(i + 1));
        // Its queue at the synchronization station.
        const QRectF queue(barX - 24, y - 5, 18, 10);
        painter.drawRect(queue);
        painter.drawLine(QPointF(station.x() + 10, y), QPointF(queue.left(), y));
        drawArrowHead(painter, QPointF(queue.left(), y), 1);
        painter.drawLine(QPointF(queue.right(), y), QPointF(barX, y));
    }
    // The joined jobs go back, one to each station.
    const double returnX = kWidth - 10;
    painter.drawLine(QPointF(barX, kHeight / 2.0), QPointF(returnX, kHeight / 2.0));
    painter.drawLine(QPointF(returnX, kHeight / 2.0), QPointF(returnX, kHeight - 4));
    painter.drawLine(QPointF(returnX, kHeight - 4), QPointF(6, kHeight - 4));
    painter.drawLine(QPointF(6, kHeight - 4), QPointF(6, top));
    for (int i = 0; i < kClasses; ++i) {
        const double y = top + i * rowGap;
        painter.drawLine(QPointF(6, y), QPointF(16, y));
        drawArrowHead(painter, QPointF(16, y), 1);
    }
}

}  // namespace orven::simple_solver
