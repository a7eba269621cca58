#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

#include "orven/solver_kit/run_summary.h"
#include "orven/ui/placement.h"
#include "orven/ui/summary_table.h"

class QVBoxLayout;

namespace orven {
class Platform;
}

namespace orven::ui {

// A solver's summary window ("Συγκεντρωτικά", Form3): the run summary as it was when the
// window was loaded, one list per column under its heading. The lists are filled once, when
// the window is created; they do not follow later runs. Each program adds its own way to go
// back, print and exit beneath the table.
class SummaryWindow : public QWidget {
    Q_OBJECT
  public:
    SummaryWindow(const solver_kit::RunSummary& summary, const std::vector<SummaryListNames>& names,
                  Platform& platform, QWidget* parent = nullptr);

  signals:
    // "Back", or the window closed: the window is hidden and is to be discarded, so that the
    // next opening loads it again with the summary as it then is.
    void unloadRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // An image of the window to the printer, its dialogs over this window.
    void print();
    // The window's layout, the table at its top.
    QVBoxLayout& layout() const { return *layout_; }

  private:
    Platform& platform_;
    QVBoxLayout* layout_;
};

// Shows the summary window that `window` holds, loading it with `load()` when none is loaded,
// and brings it to the front. Its unloadRequested empties `window` and discards the window, so
// the next opening loads the summary as it then is. `window` belongs to the main window, which
// is the summary window's parent and so outlives it.
template <typename Window, typename Load>
void openSummaryWindow(QPointer<Window>& window, Load load) {
    if (!window) {
        Window* loaded = load();
        window = loaded;
        QObject::connect(loaded, &SummaryWindow::unloadRequested, loaded, [&window, loaded] {
            window = nullptr;
            loaded->deleteLater();
        });
    }
    showInFront(*window);
}

}  // namespace orven::ui
