#include "orven/ui/heading_line.h"

#include <QPainter>
#include <QStyle>

namespace orven::ui {

HeadingLine::HeadingLine(const QString& text, std::vector<qsizetype> starts, QWidget* parent)
    : QLabel(text, parent), starts_(std::move(starts)) {}

QString HeadingLine::columnHeading(int column) const {
    if (column < 0 || column >= columnCount()) return {};
    const auto at = static_cast<std::size_t>(column);
    const qsizetype start = starts_[at];
    const qsizetype end = at + 1 < starts_.size() ? starts_[at + 1] : text().size();
    return text().mid(start, end - start).trimmed();
}

void HeadingLine::setColumnPositions(std::vector<int> positions) {
    positions_ = std::move(positions);
    update();
}

void HeadingLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    for (int k = 0; k < columnCount() && k < static_cast<int>(positions_.size()); ++k) {
        const int x = positions_[static_cast<std::size_t>(k)];
        if (x < 0) continue;
        painter.drawText(QRect(x, 0, width() - x, height()), flags, columnHeading(k));
    }
}

}  // namespace orven::ui
