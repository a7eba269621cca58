#include "orven/ui/busy_cursor.h"

#include <QApplication>
#include <QCursor>

namespace orven::ui {

BusyCursor::BusyCursor() {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor() {
    QApplication::restoreOverrideCursor();
}

}  // namespace orven::ui
