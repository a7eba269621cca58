#pragma once

#include <QWidget>

class QButtonGroup;

namespace orven::double_solver {

class PaperBackground;

// The experiment window: three preset experiments on a paper-like background, framed, in the
// order 0, 2, 1 from the top. A mouse button pressed on an option chooses its experiment and
// hides the window; the keyboard only moves the mark. The window has no button: it stays
// loaded, hidden, with its option marked, until "variables" shows it again.
class Form2 final : public QWidget {
    Q_OBJECT
  public:
    explicit Form2(QWidget* parent = nullptr);

  signals:
    // A mouse button pressed on Option1(code), code 0, 1 or 2.
    void experimentChosen(int code);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QButtonGroup* Option1_;
    PaperBackground* Image1_;
};

}  // namespace orven::double_solver
