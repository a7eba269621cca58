#include "orven/ui/sim_kit/network_diagram.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>

namespace orven::ui {

namespace {

constexpr double kThinPen = 1.5;
constexpr double kBarPen = 4.0;
constexpr double kHeadLength = 8.0;
constexpr double kHeadHalfWidth = 4.0;

}  // namespace

NetworkDiagram::NetworkDiagram(QSize size, QWidget* parent) : QWidget(parent), size_(size) {
    setObjectName(QStringLiteral("Picture1"));
    setMinimumSize(size_);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
}

void NetworkDiagram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, kThinPen));
    draw(painter);
}

void drawArrow(QPainter& painter, QPointF from, QPointF to) {
    painter.drawLine(from, to);
    const QLineF back = QLineF(to, from).unitVector();
    const QPointF along = (back.p2() - back.p1()) * kHeadLength;
    const QPointF across(-along.y() * kHeadHalfWidth / kHeadLength,
                         along.x() * kHeadHalfWidth / kHeadLength);
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to + along + across);
    head.lineTo(to + along - across);
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

void drawQueue(QPainter& painter, const QRectF& box, int cells) {
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    const double cell = box.width() / cells;
    for (int wall = 1; wall < cells; ++wall) {
        const double x = box.left() + wall * cell;
        painter.drawLine(QPointF(x, box.top()), QPointF(x, box.bottom()));
    }
}

void drawStation(QPainter& painter, double x, double top, double bottom, const QString& mark) {
    const QPen thin = painter.pen();
    painter.setPen(QPen(thin.color(), kBarPen));
    painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    painter.setPen(thin);
    const double height = painter.fontMetrics().height();
    painter.drawText(QRectF(x - height, top - height - 2, 2 * height, height), Qt::AlignCenter,
                     mark);
}

void drawLabelOver(QPainter& painter, double left, double right, double y, const QString& text) {
    const double height = painter.fontMetrics().height();
    painter.drawText(QRectF(left, y - height - 2, right - left, height),
                     Qt::AlignHCenter | Qt::AlignBottom, text);
}

}  // namespace orven::ui
