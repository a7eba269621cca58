// orven-sim: the Monte Carlo simulator of the double network.
#include <QApplication>

#include "orven/ui/double_sim/form1.h"
#include "orven/ui/end_program.h"
#include "qt_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orven-sim"));
    orven::QtPlatform platform;
    orven::double_sim::Form1 form(platform);
    form.show();
    orven::ui::runUntilEnd();
}
