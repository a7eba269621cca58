#pragma once

#include <QTest>

#include "orven/ui/simple_solver/form1.h"
#include "scripted_platform.h"
#include "window_driver.h"

namespace orven::testing {

// The program as a user meets it: its main window shown, its platform scripted.
struct Program {
    ScriptedPlatform platform;
    simple_solver::Form1 form{platform};

    Program() {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) qFatal("the main window was not shown");
    }
    void start() { click(form, QStringLiteral("Command2")); }
    double S() const { return form.solver().state().S.back(); }
    int runs() const { return form.solver().summary().runs(); }
    simple_solver::Form2& openExperimentWindow() {
        click(form, QStringLiteral("Command1"));
        return *form.experimentWindow();
    }
    simple_solver::Form3& openSummaryWindow() {
        click(form, QStringLiteral("Command4"));
        return *form.summaryWindow();
    }
};

}  // namespace orven::testing
