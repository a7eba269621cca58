// orven-sim-simple: the main window after a default run, and the results window it opens.
#include <orven/ui/simple_sim/form1.h>

#include "scene.h"

namespace {

[[maybe_unused]] const bool registered = orven::screenshots::addScene({
    QStringLiteral("orven-sim-simple"),
    [](orven::Platform& platform) { return std::make_unique<orven::simple_sim::Form1>(platform); },
    QStringLiteral("Command1"),
    {{QStringLiteral("main"), QStringLiteral("Form1"), {}},
     {QStringLiteral("results"), QStringLiteral("Form2"), {}}},
});

}  // namespace
