#include "paper_background.h"

#include <QPainter>
#include <random>

namespace orven::double_solver {

namespace {

// Cream paper with fine fibres of lighter and darker shades; the same every time.
QImage paperTexture() {
    constexpr int kSide = 160;
    QImage texture(kSide, kSide, QImage::Format_RGB32);
    texture.fill(QColor(246, 240, 222));
    std::mt19937 random(1253);
    std::uniform_int_distribution<int> position(0, kSide - 1);
    std::uniform_int_distribution<int> shade(-14, 10);
    std::uniform_int_distribution<int> length(1, 5);
    QPainter painter(&texture);
    for (int k = 0; k < 900; ++k) {
        const int delta = shade(random);
        painter.setPen(QColor(246 + std::min(delta, 9), 240 + delta, 222 + delta));
        const QPoint from(position(random), position(random));
        painter.drawLine(from, from + QPoint(length(random), length(random) / 3));
    }
    return texture;
}

}  // namespace

PaperBackground::PaperBackground(QWidget* parent) : QWidget(parent), texture_(paperTexture()) {}

void PaperBackground::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), texture_);
    if (!framed_) return;
    constexpr int kMargin = 8;
    const QRect around =
        QRect(framed_->mapTo(window(), QPoint(0, 0)) - mapTo(window(), QPoint(0, 0)),
              framed_->size())
            .adjusted(-kMargin, -kMargin, kMargin, kMargin);
    painter.setPen(QPen(QColor(90, 70, 40), 2));
    painter.drawLine(around.topLeft(), around.topRight());
    painter.drawLine(around.topRight(), around.bottomRight());
    painter.drawLine(around.bottomRight(), around.bottomLeft());
    painter.drawLine(around.bottomLeft(), around.topLeft());
}

}  // namespace orven::double_solver
