// orven: the main window with the output rates of a default run, the rate table window that the
// run opens, the summary and the plots.
#include <orven/ui/double_solver/form1.h>

#include "scene.h"

namespace {

[[maybe_unused]] const bool registered = orven::screenshots::addScene({
    QStringLiteral("orven"),
    [](orven::Platform& platform) {
        return std::make_unique<orven::double_solver::Form1>(platform);
    },
    QStringLiteral("Command2"),
    {{QStringLiteral("main"), QStringLiteral("Form1"), {}},
     {QStringLiteral("rates"), QStringLiteral("Form4"), {}},
     {QStringLiteral("summary"), QStringLiteral("Form3"), QStringLiteral("Command4")},
     {QStringLiteral("plots"), QStringLiteral("Form5"), QStringLiteral("Command7")}},
});

}  // namespace
