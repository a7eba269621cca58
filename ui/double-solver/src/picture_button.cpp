#include "picture_button.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>

namespace orven::double_solver {

namespace {
constexpr int kPicture = 30;
constexpr int kGap = 6;
}  // namespace

PictureButton::PictureButton(Picture picture, const QString& label, QWidget* parent)
    : QAbstractButton(parent), picture_(picture) {
    setText(label);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize PictureButton::sizeHint() const {
    const int label = fontMetrics().horizontalAdvance(text());
    return {kPicture + kGap + label + 4, std::max(kPicture, fontMetrics().height()) + 4};
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(2, (height() - kPicture) / 2.0, kPicture, kPicture);
    // A raised frame that sinks while the button is down.
    painter.setPen(QPen(isDown() ? QColor(90, 90, 90) : QColor(150, 150, 150), 1));
    painter.setBrush(isDown() ? QColor(215, 215, 210) : QColor(240, 238, 230));
    painter.drawRoundedRect(box, 3, 3);
    drawPicture(painter, box.adjusted(6, 6, -6, -6).translated(isDown() ? 1 : 0, isDown() ? 1 : 0));
    painter.setPen(palette().color(QPalette::ButtonText));
    const QRectF label(box.right() + kGap, 0, width() - box.right() - kGap, height());
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = label.toRect().adjusted(-2, 2, 0, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void PictureButton::drawPicture(QPainter& painter, const QRectF& box) const {
    painter.setPen(QPen(QColor(40, 40, 90), 2));
    painter.setBrush(Qt::NoBrush);
    const QPointF centre = box.center();
    switch (picture_) {
        case Picture::Back: {
            // An arrow pointing left.
            QPainterPath arrow;
            arrow.moveTo(box.left(), centre.y());
            arrow.lineTo(centre.x(), box.top());
            arrow.lineTo(centre.x(), box.top() + box.height() * 0.3);
            arrow.lineTo(box.right(), box.top() + box.height() * 0.3);
            arrow.lineTo(box.right(), box.bottom() - box.height() * 0.3);
            arrow.lineTo(centre.x(), box.bottom() - box.height() * 0.3);
            arrow.lineTo(centre.x(), box.bottom());
            arrow.closeSubpath();
            painter.fillPath(arrow, QColor(60, 110, 170));
            break;
        }
        case Picture::Print: {
            // A printer: the paper above, the body, the printed sheet below.
            const double w = box.width();
            const double h = box.height();
            painter.drawRect(QRectF(box.left() + w * 0.25, box.top(), w * 0.5, h * 0.3));
            painter.setBrush(QColor(170, 170, 180));
            painter.drawRoundedRect(QRectF(box.left(), box.top() + h * 0.3, w, h * 0.4), 2, 2);
            painter.setBrush(Qt::white);
            painter.drawRect(QRectF(box.left() + w * 0.2, box.top() + h * 0.6, w * 0.6, h * 0.4));
            break;
        }
        case Picture::Exit: {
            // A door, half open, with an arrow leaving through it.
            const double w = box.width();
            painter.drawRect(QRectF(box.left(), box.top(), w * 0.55, box.height()));
            painter.setPen(QPen(QColor(180, 30, 30), 2));
            painter.drawLine(QPointF(box.left() + w * 0.3, centre.y()),
                             QPointF(box.right(), centre.y()));
            painter.drawLine(QPointF(box.right(), centre.y()),
                             QPointF(box.right() - w * 0.2, centre.y() - w * 0.2));
            painter.drawLine(QPointF(box.right(), centre.y()),
                             QPointF(box.right() - w * 0.2, centre.y() + w * 0.2));
            break;
        }
    }
}

}  // namespace orven::double_solver
