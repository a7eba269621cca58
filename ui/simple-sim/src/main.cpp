// orven-sim-simple: the Monte Carlo simulator of the simple network.
#include <QApplication>

#include "orven/ui/end_program.h"
#include "orven/ui/simple_sim/form1.h"
#include "qt_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orven-sim-simple"));
    orven::QtPlatform platform;
    orven::simple_sim::Form1 form(platform);
    form.show();
    orven::ui::runUntilEnd();
}
