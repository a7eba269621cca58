#include "network_pictures.h"

#include <QPainter>
#include <array>

#include "network_drawing.h"

namespace orven::double_solver {

namespace {

using namespace drawing;

constexpr QSizeF kDoubleSize(410, 250);
constexpr QSizeF kReducedSize(250, 205);
constexpr std::array<double, 4> kReducedBuffers{40, 80, 120, 160};

void prepare(QWidget& picture, QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(picture.rect(), Qt::white);
    painter.setPen(QPen(Qt::black, 1.3));
}

}  // namespace

DoubleNetworkPicture::DoubleNetworkPicture(QWidget* parent) : QWidget(parent) {
    setMinimumSize(kDoubleSize.toSize());
}

QSize DoubleNetworkPicture::sizeHint() const {
    return kDoubleSize.toSize();
}

void DoubleNetworkPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    prepare(*this, painter);
    painter.setTransform(pictureTransform(kDoubleSize, size()));

    // Synchronization station 1 and its three buffers.
    const double bar1 = 180;
    for (int k = 0; k < 3; ++k) {
        const double y = 40 + 50 * k;
        const QString n = QString::number(k + 1);
        buffer(painter, 120, bar1, y, QStringLiteral("n") + n);
        if (k < 2) {
            stream(painter, QPointF(20, y), QPointF(118, y),
                   QStringLiteral("λ") + n + QStringLiteral("(n") + n + u')');
        }
    }
    bar(painter, bar1, 22, 158);
    mark(painter, QPointF(bar1, 12), QStringLiteral("1"));

    // One input stream forks at the lower left: one branch feeds n3, the other n6.
    const QPointF fork(45, 200);
    painter.drawLine(QPointF(8, fork.y()), fork);
    painter.setBrush(Qt::black);
    painter.drawEllipse(fork, 2.5, 2.5);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(fork, QPointF(fork.x(), 140));
    stream(painter, QPointF(fork.x(), 140), QPointF(118, 140), QStringLiteral("λ3(n3)"));
    painter.drawLine(fork, QPointF(fork.x(), 230));
    stream(painter, QPointF(fork.x(), 230), QPointF(268, 230), QStringLiteral("λ6(n6)"));

    // Synchronization station 2: n4 takes station 1's output, n5 has a stream of its own.
    const double bar2 = 330;
    stream(painter, QPointF(bar1 + 2, 90), QPointF(268, 90), QStringLiteral("λ4(n4)"));
    stream(painter, QPointF(205, 160), QPointF(268, 160), QStringLiteral("λ5(n5)"));
    buffer(painter, 270, bar2, 90, QStringLiteral("n4"));
    buffer(painter, 270, bar2, 160, QStringLiteral("n5"));
    buffer(painter, 270, bar2, 230, QStringLiteral("n6"));
    bar(painter, bar2, 72, 245);
    mark(painter, QPointF(bar2, 62), QStringLiteral("2"));
    stream(painter, QPointF(bar2 + 2, 160), QPointF(400, 160), QString());
}

ReducedNetworkPicture::ReducedNetworkPicture(QWidget* parent) : QWidget(parent) {
    setMinimumSize(kReducedSize.toSize());
}

QSize ReducedNetworkPicture::sizeHint() const {
    return kReducedSize.toSize();
}

double ReducedNetworkPicture::bufferHeight(int k) const {
    return pictureTransform(kReducedSize, size())
        .map(QPointF(0, kReducedBuffers[static_cast<std::size_t>(k)]))
        .y();
}

void ReducedNetworkPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    prepare(*this, painter);
    painter.setTransform(pictureTransform(kReducedSize, size()));

    // The classes from top to bottom: stations 1', 2, 5 and 3.
    const std::array<QString, 4> stations{QStringLiteral("1'"), QStringLiteral("2'"),
                                          QStringLiteral("5'"), QStringLiteral("3'")};
    const std::array<QString, 4> rates{QStringLiteral("1"), QStringLiteral("2"),
                                       QStringLiteral("5"), QStringLiteral("3")};
    const double barX = 200;
    for (std::size_t k = 0; k < stations.size(); ++k) {
        const double y = kReducedBuffers[k];
        const QString n = QStringLiteral("n") + stations[k];
        stream(painter, QPointF(15, y), QPointF(128, y),
               QStringLiteral("λ") + rates[k] + u'(' + n + u')');
        buffer(painter, 130, barX, y, n);
    }
    bar(painter, barX, 22, 180);
    mark(painter, QPointF(barX, 12), QString());
    stream(painter, QPointF(barX + 2, 100), QPointF(245, 100), QString());
}

}  // namespace orven::double_solver
