#include "orven/ui/sim_kit/column_headings.h"

#include <QEvent>
#include <QPainter>

namespace orven::ui {

ColumnHeadings::ColumnHeadings(const QString& text, QWidget* parent)
    : QLabel(text, parent), words_(text.split(u' ', Qt::SkipEmptyParts)) {}

void ColumnHeadings::setColumns(std::vector<QWidget*> columns) {
    Q_ASSERT(columns.size() == static_cast<std::size_t>(words_.size()));
    columns_ = std::move(columns);
    for (QWidget* column : columns_) column->installEventFilter(this);
    update();
}

QRect ColumnHeadings::wordRect(int index) const {
    const QWidget* column = columns_.at(static_cast<std::size_t>(index));
    const QString& word = words_.at(index);
    const int wordWidth = fontMetrics().horizontalAdvance(word);
    const int columnLeft =
        column->mapTo(window(), QPoint(0, 0)).x() - mapTo(window(), QPoint(0, 0)).x();
    const int left = columnLeft + (column->width() - wordWidth) / 2;
    return {left, 0, wordWidth, height()};
}

QSize ColumnHeadings::sizeHint() const {
    return {fontMetrics().horizontalAdvance(words_.join(u' ')), fontMetrics().height()};
}

void ColumnHeadings::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int index = 0; index < words_.size() && index < static_cast<int>(columns_.size()); ++index)
        painter.drawText(wordRect(index), Qt::AlignCenter, words_.at(index));
}

bool ColumnHeadings::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) update();
    return QLabel::eventFilter(watched, event);
}

}  // namespace orven::ui
