#pragma once

#include <QLabel>
#include <vector>

namespace orven::ui {

// One label that heads several columns: its text holds every column's heading, each starting
// at a known place in the text (the text keeps its blanks as written). It draws each heading
// over its own column, wherever the columns stand, while its text stays the whole line.
class HeadingLine final : public QLabel {
  public:
    // `starts`: where the heading of each column begins in the text, ascending.
    HeadingLine(const QString& text, std::vector<qsizetype> starts, QWidget* parent = nullptr);

    // The heading of a column as drawn: its part of the text without surrounding blanks;
    // empty where the text ends before it.
    QString columnHeading(int column) const;
    int columnCount() const { return static_cast<int>(starts_.size()); }
    // Where each column's heading is drawn, in the label's coordinates; a negative position
    // hides it (its column is hidden).
    void setColumnPositions(std::vector<int> positions);
    const std::vector<int>& columnPositions() const { return positions_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<qsizetype> starts_;
    std::vector<int> positions_;
};

}  // namespace orven::ui
