// orven-simple: the main window with the output rates of a default run, and the summary.
#include <orven/ui/simple_solver/form1.h>
using MainWindow = orven::simple_solver::Form1;

#include "scene.h"

namespace {

[[maybe_unused]] const bool registered = orven::screenshots::addScene({
    QStringLiteral("orven-simple"),
    [](orven::Platform& platform) { return std::make_unique<MainWindow>(platform); },
    QStringLiteral("Command2"),
    {{QStringLiteral("main"), QStringLiteral("Form1"), {}},
     {QStringLiteral("summary"), QStringLiteral("Form3"), QStringLiteral("Command4")}},
});

}  // namespace
