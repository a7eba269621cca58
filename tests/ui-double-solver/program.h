#pragma once

#include <QTest>

#include "orven/ui/double_solver/form1.h"
#include "scripted_platform.h"
#include "window_driver.h"

namespace orven::testing {

// orven as a user meets it: its main window shown, its platform scripted.
struct Program {
    ScriptedPlatform platform;
    double_solver::Form1 form{platform};

    Program() {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) qFatal("the main window was not shown");
    }
    void start() { click(form, QStringLiteral("Command2")); }
    int runs() const { return form.solver().summary().runs(); }
    double_solver::Form2& openExperimentWindow() {
        click(form, QStringLiteral("Command1"));
        return *form.experimentWindow();
    }
    double_solver::Form3& openSummaryWindow() {
        click(form, QStringLiteral("Command4"));
        return *form.summaryWindow();
    }
};

}  // namespace orven::testing
