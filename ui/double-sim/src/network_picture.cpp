#include "network_picture.h"

#include <QPainter>

namespace orven::double_sim {

namespace {

constexpr int kCells = 4;

QString stream(int index) {
    const QString n = QString::number(index);
    return QStringLiteral("λ") + n + QStringLiteral("(n") + n + u')';
}

QString queue(int index) {
    return QStringLiteral("n") + QString::number(index);
}

}  // namespace

void NetworkPicture::draw(QPainter& painter) {
    const double w = width();
    const double h = height();
    const double queueHeight = h * 0.09;
    const double gap = 4;

    // Station 1 and the queues n1, n2, n3 in front of it.
    const double bar1 = w * 0.45;
    const double queues1 = w * 0.25;
    const double rows1[] = {h * 0.18, h * 0.34, h * 0.50};
    // Station 2 and the queues n4, n5, n6 in front of it: n4 level with station 1's output,
    // n5 below station 1's bar, so that its stream stands clear of that station.
    const double bar2 = w * 0.88;
    const double queues2 = w * 0.68;
    const double rows2[] = {rows1[1], h * 0.66, h * 0.86};
    // Where the line that feeds n3 forks off the stream to n6.
    const double fork = w * 0.09;

    const auto drawQueueAt = [&](double left, double right, double y, int index) {
        const QRectF box(left, y - queueHeight / 2, right - left, queueHeight);
        ui::drawQueue(painter, box, kCells);
        painter.drawText(QRectF(left, box.bottom(), right - left, painter.fontMetrics().height()),
                         Qt::AlignCenter, queue(index));
    };

    // Streams 1 and 2 come in from the left; stream 3 leaves the fork.
    for (int k = 1; k <= 3; ++k) {
        const double y = rows1[k - 1];
        const double from = k == 3 ? fork : gap;
        ui::drawLabelOver(painter, from, queues1, y, stream(k));
        ui::drawArrow(painter, QPointF(from, y), QPointF(queues1 - gap, y));
        drawQueueAt(queues1, bar1, y, k);
    }
    ui::drawStation(painter, bar1, rows1[0] - queueHeight, rows1[2] + queueHeight,
                    QStringLiteral("1"));

    // The incoming line of the fork, its branch point, and the branch down to queue n6.
    painter.drawLine(QPointF(gap, rows1[2]), QPointF(fork, rows1[2]));
    painter.setBrush(painter.pen().color());
    painter.drawEllipse(QPointF(fork, rows1[2]), 2.5, 2.5);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(fork, rows1[2]), QPointF(fork, rows2[2]));

    // Station 1's output feeds n4; n5 has a stream of its own; n6 is the fork's second branch.
    const double streams2 = bar1 + 3 * gap;
    ui::drawLabelOver(painter, streams2, queues2, rows2[0], stream(4));
    ui::drawArrow(painter, QPointF(bar1 + 2, rows2[0]), QPointF(queues2 - gap, rows2[0]));
    ui::drawLabelOver(painter, streams2, queues2, rows2[1], stream(5));
    ui::drawArrow(painter, QPointF(streams2, rows2[1]), QPointF(queues2 - gap, rows2[1]));
    ui::drawLabelOver(painter, streams2, queues2, rows2[2], stream(6));
    ui::drawArrow(painter, QPointF(fork, rows2[2]), QPointF(queues2 - gap, rows2[2]));
    for (int k = 4; k <= 6; ++k) drawQueueAt(queues2, bar2, rows2[k - 4], k);
    ui::drawStation(painter, bar2, rows2[0] - queueHeight, rows2[2] + queueHeight,
                    QStringLiteral("2"));

    // Station 2's output leaves the network.
    ui::drawArrow(painter, QPointF(bar2 + 2, rows2[1]), QPointF(w - gap, rows2[1]));
}

}  // namespace orven::double_sim
