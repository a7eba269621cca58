#include "model_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace orven::simple_sim {

namespace {

void drawArrowHead(QPainter& painter, QPointF tip) {
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip + QPointF(-8, -4));
    head.lineTo(tip + QPointF(-8, 4));
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

}  // namespace

ModelPicture::ModelPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setMinimumSize(sizeHint());
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
}

void ModelPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));

    const double w = width();
    const double h = height();
    const double barX = w * 0.72;
    const double bufferLeft = w * 0.40;
    const double bufferHeight = h * 0.14;
    const double cell = (barX - bufferLeft) / 4.0;

    for (int i = 0; i < 3; ++i) {
        const double y = h * (0.2 + 0.3 * i);
        const QString index = QString::number(i + 1);
        // The source's arrow and its label.
        painter.drawText(
            QRectF(2, y - 22, bufferLeft, 18), Qt::AlignLeft | Qt::AlignBottom,
            QStringLiteral("λ") + index + QStringLiteral("(n") + index + QStringLiteral(")"));
        painter.drawLine(QPointF(4, y), QPointF(bufferLeft - 4, y));
        drawArrowHead(painter, QPointF(bufferLeft - 4, y));
        // The buffer: open on the left, its slots, closed by the station's bar.
        const double top = y - bufferHeight / 2;
        painter.drawLine(QPointF(bufferLeft, top), QPointF(barX, top));
        painter.drawLine(QPointF(bufferLeft, top + bufferHeight),
                         QPointF(barX, top + bufferHeight));
        for (int slot = 1; slot < 4; ++slot) {
            const double x = bufferLeft + slot * cell;
            painter.drawLine(QPointF(x, top), QPointF(x, top + bufferHeight));
        }
        painter.drawText(QRectF(bufferLeft, top + bufferHeight, barX - bufferLeft, 16),
                         Qt::AlignCenter, QStringLiteral("n") + index);
    }

    // The synchronization station: one bar across the three buffers, and its single output.
    painter.setPen(QPen(Qt::black, 4));
    painter.drawLine(QPointF(barX, h * 0.12), QPointF(barX, h * 0.92));
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawText(QRectF(barX - 10, 0, 20, h * 0.12), Qt::AlignCenter, QStringLiteral("1"));
    painter.drawLine(QPointF(barX + 2, h * 0.5), QPointF(w - 6, h * 0.5));
    drawArrowHead(painter, QPointF(w - 6, h * 0.5));
}

}  // namespace orven::simple_sim
