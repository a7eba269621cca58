#include "orven/ui/sim_kit/list_row.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace orven::ui {

ListRow::ListRow(QWidget* parent)
    : QWidget(parent),
      layout_(new QHBoxLayout(this)),
      scrollBar_(new QScrollBar(Qt::Vertical, this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->addWidget(scrollBar_);
    // Spare width goes to the right of the table, not between its columns.
    layout_->addStretch(1);
    connect(scrollBar_, &QScrollBar::valueChanged, this, &ListRow::followScrollBar);
}

void ListRow::addList(QListWidget* list, const QString& widestExpected) {
    list->setParent(this);
    // The row's one scroll bar stands for all: a list of its own would scroll apart.
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list->setUniformItemSizes(true);
    layout_->insertWidget(layout_->indexOf(scrollBar_), list);
    columns_.push_back({list, widestExpected});
    // The wheel or the keyboard in one list scrolls every list.
    QScrollBar* own = list->verticalScrollBar();
    connect(own, &QScrollBar::valueChanged, this, &ListRow::followList);
    connect(own, &QScrollBar::rangeChanged, this, &ListRow::updateRange);
    fitToEntries();
}

void ListRow::addLine(QFrame* line) {
    line->setParent(this);
    layout_->insertWidget(layout_->indexOf(scrollBar_), line);
}

void ListRow::fitToEntries() {
    for (const Column& column : columns_) {
        QListWidget* list = column.list;
        const int margin = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        const int expected = list->fontMetrics().horizontalAdvance(column.widestExpected) + margin;
        const int entries = std::max(expected, list->sizeHintForColumn(0));
        // A little air on the right, so that the widest entry does not touch the frame.
        const int air = list->fontMetrics().averageCharWidth();
        list->setFixedWidth(entries + air + 2 * list->frameWidth());
    }
    updateRange();
}

void ListRow::followList(int value) {
    scrollBar_->setValue(value);
}

void ListRow::followScrollBar(int value) {
    for (const Column& column : columns_) column.list->verticalScrollBar()->setValue(value);
}

void ListRow::updateRange() {
    int maximum = 0;
    int pageStep = 1;
    for (const Column& column : columns_) {
        const QScrollBar* own = column.list->verticalScrollBar();
        if (own->maximum() > maximum) {
            maximum = own->maximum();
            pageStep = own->pageStep();
        }
    }
    scrollBar_->setRange(0, maximum);
    scrollBar_->setPageStep(pageStep);
}

}  // namespace orven::ui
