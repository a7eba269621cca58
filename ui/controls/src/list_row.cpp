#include "orven/ui/list_row.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "orven/ui/heading_line.h"

namespace orven::ui {

namespace {

constexpr int kColumnGap = 2;
// Room beside the widest entry: the item's own margins and a little air.
constexpr int kEntryRoom = 12;
// Where the text of an entry starts inside its list, so that a heading stands over it.
constexpr int kTextIndent = 4;

}  // namespace

// The scrolled part: it asks for room for the whole width of the columns and for the rows the
// row wants visible.
class ListRow::Body final : public QScrollArea {
  public:
    explicit Body(ListRow& row) : QScrollArea(&row), row_(row) {}

    QSize sizeHint() const override {
        return {fittedWidth(), row_.visibleRows_ * row_.rowHeight() + 2 * frameWidth() + 4};
    }
    QSize minimumSizeHint() const override {
        const int rows = std::min(row_.visibleRows_, 4);
        return {fittedWidth(), rows * row_.rowHeight() + 2 * frameWidth() + 4};
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QScrollArea::resizeEvent(event);
        row_.placeColumns();
    }

  private:
    // Wide enough for every column and the scroll bar, as far as the screen allows.
    int fittedWidth() const {
        int width = row_.contentWidth_ + style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                    2 * frameWidth();
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            width = std::min(width, screen->availableGeometry().width() * 9 / 10);
        }
        return width;
    }

    ListRow& row_;
};

ListRow::ListRow(QWidget* parent)
    : QWidget(parent),
      header_(new QWidget(this)),
      headerContent_(new QWidget(header_)),
      body_(new Body(*this)),
      content_(new QWidget) {
    body_->setFrameShape(QFrame::NoFrame);
    body_->setWidget(content_);
    body_->setWidgetResizable(false);
    body_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(header_);
    layout->addWidget(body_, 1);
    // The headings follow the columns when the lists are scrolled sideways.
    connect(body_->horizontalScrollBar(), &QScrollBar::valueChanged, headerContent_,
            [this](int value) { headerContent_->move(-value, 0); });
}

ListRow::~ListRow() {
    // The lists outlive the row's own part while the children are deleted: they must no
    // longer call back into it.
    for (const Column& c : columns_) {
        c.list->model()->disconnect(this);
        c.list->disconnect(this);
        c.list->viewport()->removeEventFilter(this);
    }
}

void ListRow::addColumn(QListWidget* list, QLabel* heading) {
    list->setParent(content_);
    list->setUniformItemSizes(true);
    // The row scrolls; a list never does on its own, so its rows cannot slip out of line.
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->viewport()->installEventFilter(this);
    list->show();
    if (heading != nullptr) {
        heading->setIndent(list->frameWidth() + kTextIndent);
        heading->setParent(headerContent_);
        heading->show();
    }
    columns_.push_back({list, heading});
    QAbstractItemModel* model = list->model();
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
        connect(model, signal, this, &ListRow::fitColumns);
    }
    connect(model, &QAbstractItemModel::modelReset, this, &ListRow::fitColumns);
    connect(model, &QAbstractItemModel::dataChanged, this, &ListRow::fitColumns);
    connect(list, &QListWidget::currentRowChanged, this,
            [this, list] { keepCurrentRowInView(list); });
    fitColumns();
}

void ListRow::addSeparator(QFrame* line) {
    if (columns_.empty()) return;
    line->setParent(content_);
    line->show();
    columns_.back().lineAfter = line;
    fitColumns();
}

void ListRow::setHeadingLine(HeadingLine* line) {
    headingLine_ = line;
    line->setParent(headerContent_);
    line->show();
    fitColumns();
}

void ListRow::setColumnVisible(int column, bool visible) {
    if (column < 0 || column >= columnCount()) return;
    Column& c = columns_[static_cast<std::size_t>(column)];
    if (c.visible == visible) return;
    c.visible = visible;
    c.list->setVisible(visible);
    if (c.heading != nullptr) c.heading->setVisible(visible);
    fitColumns();
}

bool ListRow::isColumnVisible(int column) const {
    return column >= 0 && column < columnCount() &&
           columns_[static_cast<std::size_t>(column)].visible;
}

void ListRow::setVisibleRows(int rows) {
    visibleRows_ = std::max(rows, 1);
    body_->updateGeometry();
}

void ListRow::setMinimumColumnWidth(int width) {
    minimumColumnWidth_ = width;
    fitColumns();
}

QListWidget* ListRow::list(int column) const {
    return columns_[static_cast<std::size_t>(column)].list;
}

QScrollBar* ListRow::verticalScrollBar() const {
    return body_->verticalScrollBar();
}

int ListRow::rowHeight() const {
    for (const Column& c : columns_) {
        if (c.list->count() > 0) return c.list->sizeHintForRow(0);
    }
    return fontMetrics().height() + 4;
}

int ListRow::rowCount() const {
    int rows = 0;
    for (const Column& c : columns_) rows = std::max(rows, c.list->count());
    return rows;
}

ListRow::DeferredFit::DeferredFit(ListRow& row) : row_(row) {
    ++row_.deferred_;
}

ListRow::DeferredFit::~DeferredFit() {
    if (--row_.deferred_ == 0 && row_.fitWanted_) row_.fitColumns();
}

int ListRow::columnWidth(std::size_t column, int entryWidth) const {
    const Column& c = columns_[column];
    int width = std::max(minimumColumnWidth_, entryWidth + kEntryRoom);
    if (c.heading != nullptr) width = std::max(width, c.heading->sizeHint().width());
    if (headingLine_ != nullptr) {
        const QString heading = headingLine_->columnHeading(static_cast<int>(column));
        width = std::max(
            width, QFontMetrics(headingLine_->font()).horizontalAdvance(heading) + 2 * kTextIndent);
    }
    return width + 2 * c.list->frameWidth();
}

int ListRow::widthForEntries(const QString& entry) const {
    int width = 0;
    for (std::size_t k = 0; k < columns_.size(); ++k) {
        const Column& c = columns_[k];
        if (!c.visible) continue;
        // An item adds the margins of its focus frame to its text, as the list measures it.
        const int margins =
            2 * (c.list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, c.list) + 1);
        width +=
            columnWidth(k, c.list->fontMetrics().horizontalAdvance(entry) + margins) + kColumnGap;
        if (c.lineAfter != nullptr) width += c.lineAfter->sizeHint().width() + kColumnGap;
    }
    return std::max(width - kColumnGap, 0) +
           body_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * body_->frameWidth();
}

void ListRow::fitColumns() {
    if (deferred_ > 0) {
        fitWanted_ = true;
        return;
    }
    fitWanted_ = false;
    for (std::size_t k = 0; k < columns_.size(); ++k) {
        Column& c = columns_[k];
        c.width = columnWidth(k, c.list->sizeHintForColumn(0));
    }
    // A notch of the wheel moves whole rows, as it does in a list.
    body_->verticalScrollBar()->setSingleStep(rowHeight());
    contentHeight_ = std::max(rowCount(), 1) * rowHeight();
    if (!columns_.empty()) contentHeight_ += 2 * columns_.front().list->frameWidth();
    placeColumns();
    body_->updateGeometry();
}

void ListRow::placeColumns() {
    int headingHeight = 0;
    if (headingLine_ != nullptr) headingHeight = headingLine_->sizeHint().height();
    for (const Column& c : columns_) {
        if (c.heading != nullptr)
            headingHeight = std::max(headingHeight, c.heading->sizeHint().height());
    }
    // The lists reach down to the bottom of the view even when they hold few rows.
    const int height = std::max(contentHeight_, body_->viewport()->height());
    std::vector<int> positions;
    int x = 0;
    for (const Column& c : columns_) {
        if (!c.visible) {
            positions.push_back(-1);
            continue;
        }
        c.list->setGeometry(x, 0, c.width, height);
        if (c.heading != nullptr) c.heading->setGeometry(x, 0, c.width, headingHeight);
        positions.push_back(x + c.list->frameWidth() + kTextIndent);
        x += c.width + kColumnGap;
        if (c.lineAfter != nullptr) {
            const int lineWidth = c.lineAfter->sizeHint().width();
            c.lineAfter->setGeometry(x, 0, lineWidth, height);
            x += lineWidth + kColumnGap;
        }
    }
    contentWidth_ = std::max(x - kColumnGap, 0);
    content_->resize(contentWidth_, height);
    header_->setFixedHeight(headingHeight);
    headerContent_->setGeometry(-body_->horizontalScrollBar()->value(), 0,
                                std::max(contentWidth_, header_->width()), headingHeight);
    if (headingLine_ != nullptr) {
        headingLine_->setGeometry(0, 0, headerContent_->width(), headingHeight);
        headingLine_->setColumnPositions(std::move(positions));
    }
}

void ListRow::keepCurrentRowInView(QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    if (item == nullptr) return;
    const QRect rect = list->visualItemRect(item);
    const QPoint center = list->viewport()->mapTo(content_, rect.center());
    body_->ensureVisible(center.x(), center.y(), 0, rect.height());
}

bool ListRow::eventFilter(QObject* watched, QEvent* event) {
    // A wheel turned over any list scrolls the whole row.
    if (event->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(body_->viewport(), event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace orven::ui
