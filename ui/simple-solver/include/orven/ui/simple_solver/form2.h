#pragma once

#include <QWidget>

class QButtonGroup;

namespace orven::simple_solver {

// The experiment window: three preset experiments and "back". Choosing one only reports its
// code; the main window stores it and names it. Closing the window only hides it, so that its
// selection is still there when it is shown again.
class Form2 final : public QWidget {
    Q_OBJECT
  public:
    explicit Form2(QWidget* parent = nullptr);

  signals:
    // Option1(code) clicked, code 0, 1 or 2.
    void experimentChosen(int code);

  private:
    QButtonGroup* Option1_;
};

}  // namespace orven::simple_solver
