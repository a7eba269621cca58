#include <QApplication>

#include "orven/ui/end_program.h"
#include "orven/ui/simple_solver/form1.h"
#include "qt_platform.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orven-simple"));
    orven::QtPlatform platform;
    orven::simple_solver::Form1 window(platform);
    window.show();
    orven::ui::runUntilEnd();
}
