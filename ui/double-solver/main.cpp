#include <QApplication>

#include "orven/ui/double_solver/form1.h"
#include "orven/ui/end_program.h"
#include "qt_platform.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orven"));
    orven::QtPlatform platform;
    orven::double_solver::Form1 window(platform);
    window.show();
    orven::ui::runUntilEnd();
}
