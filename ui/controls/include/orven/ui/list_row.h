#pragma once

#include <QWidget>
#include <vector>

class QFrame;
class QLabel;
class QListWidget;
class QScrollArea;
class QScrollBar;

namespace orven::ui {

class HeadingLine;

// The lists that show the columns of one table, side by side under their headings. The lists
// scroll together, so a row stays level across them however the user scrolls; each list is
// as wide as its widest entry (and its heading); the headings stay over their columns when the
// window is resized or scrolled sideways. The row adapts by itself when a list's items change.
class ListRow final : public QWidget {
  public:
    explicit ListRow(QWidget* parent = nullptr);
    ~ListRow() override;

    // Adds a column at the right: a list under its own heading label (none when a heading line
    // heads every column). The row takes both over.
    void addColumn(QListWidget* list, QLabel* heading = nullptr);
    // A line after the last column added, between two groups of columns. The row takes it over.
    void addSeparator(QFrame* line);
    // One label whose text heads every column (see HeadingLine). The row takes it over.
    void setHeadingLine(HeadingLine* line);

    void setColumnVisible(int column, bool visible);
    bool isColumnVisible(int column) const;
    // How many rows the row asks room for before it scrolls (10 unless set).
    void setVisibleRows(int rows);
    // The narrowest a column may be, however short its entries (its heading's width unless set).
    void setMinimumColumnWidth(int width);

    int columnCount() const { return static_cast<int>(columns_.size()); }
    QListWidget* list(int column) const;
    // The one scroll bar that moves every list.
    QScrollBar* verticalScrollBar() const;

    // The width the row takes when no entry is wider than `entry`: a window that gives it this
    // much shows such entries whole and lets longer ones scroll sideways.
    int widthForEntries(const QString& entry) const;

    // Fits the columns to their entries and the lists to their rows. The row calls it when a
    // list's items change; call it after changing a list's font or the heading texts.
    void fitColumns();

    // While one lives, the row fits its columns once, when the last ends, however many times
    // its lists change: filling several lists fits them once instead of after each.
    class DeferredFit {
      public:
        explicit DeferredFit(ListRow& row);
        ~DeferredFit();
        DeferredFit(const DeferredFit&) = delete;
        DeferredFit& operator=(const DeferredFit&) = delete;

      private:
        ListRow& row_;
    };

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Column {
        QListWidget* list;
        QLabel* heading;
        bool visible = true;
        int width = 0;
        QFrame* lineAfter = nullptr;
    };
    class Body;

    // A column's width for entries `entryWidth` wide, with its heading and frame.
    int columnWidth(std::size_t column, int entryWidth) const;
    int rowHeight() const;
    int rowCount() const;
    void placeColumns();
    void keepCurrentRowInView(QListWidget* list);

    std::vector<Column> columns_;
    HeadingLine* headingLine_ = nullptr;
    QWidget* header_;
    QWidget* headerContent_;
    Body* body_;
    QWidget* content_;
    int visibleRows_ = 10;
    int minimumColumnWidth_ = 0;
    int contentWidth_ = 0;
    int contentHeight_ = 0;
    int deferred_ = 0;        // DeferredFit objects alive
    bool fitWanted_ = false;  // a fit was asked for while deferred
};

}  // namespace orven::ui
