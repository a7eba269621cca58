#pragma once

#include <QWidget>

#include "orven/solver_kit/run_summary.h"

namespace orven {
class Platform;
}

namespace orven::simple_solver {

// The summary window: the run summary as it was when the window was loaded, in ten lists under
// their headings, and the menu "File" with "Back", "Print" and "Exit". The lists are filled
// once, when the window is created; they do not follow later runs.
class Form3 final : public QWidget {
    Q_OBJECT
  public:
    Form3(const solver_kit::RunSummary& summary, Platform& platform, QWidget* parent = nullptr);

  signals:
    // "Back", or the window closed: the window is hidden and is to be discarded, so that the
    // next opening loads it again with the summary as it then is.
    void unloadRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void print();

    Platform& platform_;
};

}  // namespace orven::simple_solver
