#include "orven/ui/end_program.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace orven::ui {

void endProgram() {
    // A window's close handler may end the program in turn: once is enough.
    static bool ending = false;
    if (ending) return;
    ending = true;
    // Hidden windows too: a secondary window that is only hidden still belongs to the program.
    for (QWidget* window : QApplication::topLevelWidgets()) window->close();
    QCoreApplication::quit();
    ending = false;
}

void runUntilEnd() {
    const int code = QApplication::exec();
    std::fflush(nullptr);
    std::_Exit(code);
}

}  // namespace orven::ui
