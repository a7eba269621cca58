#pragma once

#include <QString>
#include <QWidget>
#include <vector>

class QFrame;
class QHBoxLayout;
class QListWidget;
class QScrollBar;

namespace orven::ui {

// A row of lists that show the rows of one table side by side: they scroll together by one
// scroll bar at the right end, so that row j of every list stays in line, and each list is as
// wide as its widest entry, so that no entry is cut.
class ListRow final : public QWidget {
  public:
    explicit ListRow(QWidget* parent = nullptr);

    // Adds a list at the right end; it is never narrower than `widestExpected` needs.
    void addList(QListWidget* list, const QString& widestExpected);
    // Adds a separating line at the right end.
    void addLine(QFrame* line);
    // Fits every list to its entries; called after they change.
    void fitToEntries();

    QScrollBar* scrollBar() const { return scrollBar_; }

  private:
    struct Column {
        QListWidget* list;
        QString widestExpected;
    };

    void followList(int value);
    void followScrollBar(int value);
    void updateRange();

    QHBoxLayout* layout_;
    QScrollBar* scrollBar_;
    std::vector<Column> columns_;
};

}  // namespace orven::ui
