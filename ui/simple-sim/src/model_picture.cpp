#include "model_picture.h"

#include <QPainter>

namespace orven::simple_sim {

void ModelPicture::draw(QPainter& painter) {
    const double w = width();
    const double h = height();
    const double barX = w * 0.72;
    const double bufferLeft = w * 0.40;
    const double bufferHeight = h * 0.14;

    for (int i = 0; i < 3; ++i) {
        const double y = h * (0.2 + 0.3 * i);
        const QString index = QString::number(i + 1);
        // The source's arrow and its label.
        ui::drawLabelOver(
            painter, 2, bufferLeft, y,
            QStringLiteral("λ") + index + QStringLiteral("(n") + index + QStringLiteral(")"));
        ui::drawArrow(painter, QPointF(4, y), QPointF(bufferLeft - 4, y));
        const QRectF buffer(bufferLeft, y - bufferHeight / 2, barX - bufferLeft, bufferHeight);
        ui::drawQueue(painter, buffer, 4);
        painter.drawText(QRectF(buffer.left(), buffer.bottom(), buffer.width(), 16),
                         Qt::AlignCenter, QStringLiteral("n") + index);
    }

    // The synchronization station: one bar across the three buffers, and its single output.
    ui::drawStation(painter, barX, h * 0.12, h * 0.92, QStringLiteral("1"));
    ui::drawArrow(painter, QPointF(barX + 2, h * 0.5), QPointF(w - 6, h * 0.5));
}

}  // namespace orven::simple_sim
