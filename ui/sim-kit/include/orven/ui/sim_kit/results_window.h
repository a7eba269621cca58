#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "orven/sim/results_content.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QFrame;
class QPushButton;

namespace orven::ui {

class ExactValueLabel;
class HeadingLine;
class ListRow;

// How a simulator lays out its results window.
struct ResultsLayout {
    QString headings;              // Label7: one word per column, blanks between them
    std::vector<int> columnOrder;  // the List1 indices from left to right
    int lineAfter = 0;             // Line1 stands after this many columns
    int outputs = 0;               // the output fields Text1..Text<outputs>
};

// The results window of a simulator (Form2): the state numbers (List2), one list of
// probabilities per queue (List1(k)) under their headings, and the output fields between the
// "close" and "exit" buttons, each with its 95 % half-width beside it; under them the exact value
// of the same network with the z-score of the outputs. Escape closes it as "close" does.
class SimResultsWindow final : public QWidget {
  public:
    explicit SimResultsWindow(const ResultsLayout& layout, QWidget* parent = nullptr);

    // Replaces the whole content: List2 takes content.states, List1(k) content.columns[k - 1]
    // and Text<k> content.outputs[k - 1] with its half-width; what the content does not fill
    // stays empty. Content without outputs (the file prompt is open) empties the exact value.
    void showContent(const sim::ResultsContent& content);
    // Stands the window beside `main`, as tall as it, and brings it to the front.
    void showBeside(QWidget& main);

    ExactValueLabel& exactValue() const { return *exact_; }

  private:
    QLabel* Label5_;
    HeadingLine* Label7_;
    ListRow* lists_;
    QListWidget* List2_;
    std::vector<QListWidget*> List1_;  // List1(1..); index 0 unused
    QFrame* Line1_ = nullptr;
    std::vector<QLineEdit*> Text_;    // Text1..; index 0 unused
    std::vector<QLabel*> HalfWidth_;  // beside Text1..; index 0 unused
    ExactValueLabel* exact_;
    QPushButton* Command1_;
    QPushButton* Command2_;
};

}  // namespace orven::ui
