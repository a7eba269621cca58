#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;

namespace orven::ui {

class HeadingLine;
class ListRow;

// The output side of a solver's main window: the heading line Label4 over the lists
// List1(0..), which show the states and the output rates of each class and scroll together,
// and beneath them "έξοδος average" (Label3) with the output field Text4.
class OutputPanel final : public QWidget {
  public:
    // `headingStarts`: where each list's heading begins in the heading text.
    OutputPanel(const QString& heading, std::vector<qsizetype> headingStarts, int lists,
                QWidget* parent = nullptr);

    // The lists of classes 1..classes are shown, the others hidden, under this heading.
    void showClasses(int classes, const QString& heading);
    void clearLists();
    void showStates(const QStringList& states);
    void showRates(const std::vector<QStringList>& rates);
    void showOutput(const QString& text);

    ListRow& lists() const { return *List1_; }

  private:
    HeadingLine* Label4_;
    ListRow* List1_;
    QLineEdit* Text4_;
};

}  // namespace orven::ui
