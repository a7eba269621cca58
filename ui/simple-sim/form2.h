#pragma once

#include <QWidget>
#include <array>

#include "orven/simple_sim/estimates.h"

class QLineEdit;
class QListWidget;

namespace orven::simple_sim {

// The results window: the state numbers, the probabilities of each queue length and the mean
// output of the synchronization station.
class Form2 final : public QWidget {
    Q_OBJECT

  public:
    explicit Form2(QWidget* parent = nullptr);

    // Replaces the whole content with `content`.
    void showContent(const ResultsContent& content);
    // Stands the window to the right of `main`, as tall as it, and brings it to the front.
    void showBeside(const QWidget& main);

  signals:
    // "exit": the program ends.
    void exitRequested();

  private:
    QListWidget* List2_;
    std::array<QListWidget*, 7> List1_{};  // List1(1..6); index 0 unused
    QLineEdit* Text1_;
    QLineEdit* Text2_;
};

}  // namespace orven::simple_sim
