#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;

namespace orven::ui {

class ExactValueLabel;
class HeadingLine;
class ListRow;

// The output side of a solver's main window: the heading line Label4 over the lists
// List1(0..), which show the states and the output rates of each class and scroll together,
// and beneath them "έξοδος average" (Label3) with the output field Text4, and under it the exact
// value of the same network with the deviation of the output from it.
class OutputPanel final : public QWidget {
  public:
    // `headingStarts`: where each list's heading begins in the heading text.
    OutputPanel(const QString& heading, std::vector<qsizetype> headingStarts, int lists,
                QWidget* parent = nullptr);

    // The lists of classes 1..classes are shown, the others hidden, under this heading.
    void showClasses(int classes, const QString& heading);
    // Empties the lists and the exact value of the run before.
    void clearLists();
    void showStates(const QStringList& states);
    void showRates(const std::vector<QStringList>& rates);
    void showOutput(const QString& text);

    ListRow& lists() const { return *List1_; }
    ExactValueLabel& exactValue() const { return *exact_; }

  private:
    HeadingLine* Label4_;
    ListRow* List1_;
    QLineEdit* Text4_;
    ExactValueLabel* exact_;
};

}  // namespace orven::ui
