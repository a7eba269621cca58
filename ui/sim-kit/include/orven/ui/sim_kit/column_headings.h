#pragma once

#include <QLabel>
#include <QRect>
#include <QStringList>
#include <vector>

namespace orven::ui {

// The headings over a row of columns: a label that keeps its text as given ("Ν1   Ν2 ..."),
// and draws each word of it centred over its own column, wherever the layout puts the columns
// as the window is resized.
class ColumnHeadings final : public QLabel {
  public:
    explicit ColumnHeadings(const QString& text, QWidget* parent = nullptr);

    // The columns under the words, from left to right: one per word.
    void setColumns(std::vector<QWidget*> columns);
    // Where word `index` is drawn, in the label's coordinates.
    QRect wordRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QStringList words_;
    std::vector<QWidget*> columns_;
};

}  // namespace orven::ui
