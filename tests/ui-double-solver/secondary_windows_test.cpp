#include <QApplication>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "orven/number_text.h"
#include "program.h"
#include "scripted_platform.h"
#include "window_driver.h"

using orven::displayForm;
using orven::truncateTo;
using orven::double_solver::Form2;
using orven::testing::click;
using orven::testing::control;
using orven::testing::items;
using orven::testing::Program;
using orven::testing::resultsFileLines;

namespace {

// Presses a mouse button on an option of the experiment window, as a user does.
void press(const Form2& window, int code, Qt::MouseButton button = Qt::LeftButton) {
    auto* option = control<QRadioButton>(window, QStringLiteral("Option1_%1").arg(code));
    QTest::mousePress(option, button, {}, QPoint(8, option->height() / 2));
}

// The first row of each list of the summary window, from "Πείραμα" to "Χ".
QStringList firstSummaryRow(const QWidget& summary) {
    QStringList row{items(summary, QStringLiteral("List2")).value(0)};
    for (int c = 1; c <= 10; ++c) {
        row.append(items(summary, QStringLiteral("List1_%1").arg(c)).value(0));
    }
    return row;
}

// Where the main window shows its results, on the screen: the output lists and the output.
QRect resultsArea(const QWidget& form) {
    QRect area;
    for (const QString& name :
         {QStringLiteral("List1_0"), QStringLiteral("List1_4"), QStringLiteral("Text4")}) {
        const auto* widget = control<QWidget>(form, name);
        area |= QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    }
    return area;
}

// The scroll bar that moves the rate table's lists sideways.
const QScrollBar& sideways(const QWidget& rates) {
    QWidget* area = control<QWidget>(rates, QStringLiteral("List1_1"));
    while (qobject_cast<QScrollArea*>(area) == nullptr) area = area->parentWidget();
    return *qobject_cast<QScrollArea*>(area)->horizontalScrollBar();
}

}  // namespace

class SecondaryWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void aMousePressOnAnOptionChoosesItsExperimentTheKeysDoNot();
    void aRunOfTheThirdExperimentIsRecordedWithItsRates();
    void randomRatesAreFoldedAlikeByEveryStartAndRecordedAsFour();
    void theRateTableWindowMinimizesAndComesBack();
    void theWindowsStayWhereTheyStandRunAfterRun();
    void drawnRatesScrollInARateTableOfFixedWidth();
};

void SecondaryWindowsTest::aMousePressOnAnOptionChoosesItsExperimentTheKeysDoNot() {
    Program program;
    Form2& window = program.openExperimentWindow();
    QVERIFY(window.isVisible());
    QVERIFY(!control<QWidget>(program.form, QStringLiteral("Text1"))->isEnabled());
    // From the top: the experiments 1, 2, 3 of the results file, codes 0, 2, 1.
    const auto top = [&](int code) {
        return control<QWidget>(window, QStringLiteral("Option1_%1").arg(code))
            ->mapTo(&window, QPoint(0, 0))
            .y();
    };
    QVERIFY(top(0) < top(2));
    QVERIFY(top(2) < top(1));

    auto* third = control<QRadioButton>(window, QStringLiteral("Option1_1"));
    third->setFocus();
    QTest::keyClick(third, Qt::Key_Up);
    QTest::keyClick(window.focusWidget(), Qt::Key_Space);
    QVERIFY(window.isVisible());
    QVERIFY(!program.form.solver().experiment().has_value());

    press(window, 2, Qt::RightButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(program.form.solver().experiment(), 2);
    // Shown again, the window still marks the last choice.
    program.openExperimentWindow();
    QVERIFY(control<QRadioButton>(window, QStringLiteral("Option1_2"))->isChecked());
}

void SecondaryWindowsTest::aRunOfTheThirdExperimentIsRecordedWithItsRates() {
    Program program;
    press(program.openExperimentWindow(), 1);
    program.start();

    const double S = program.form.solver().state().S.back();
    QVERIFY(qAbs(S - 0.1248) < 1e-4);
    QCOMPARE(resultsFileLines(program.platform, QStringLiteral("ORVEN DOUBLE"))[3],
             QStringLiteral("\"ΠΕΙΡΑΜΑ 3\""));
    const QStringList expected{QStringLiteral("3"),
                               QStringLiteral("4"),
                               QStringLiteral("10"),
                               QStringLiteral("5"),
                               QStringLiteral("5"),
                               QStringLiteral("5"),
                               QStringLiteral("1"),
                               displayForm(0.5),
                               displayForm(0.25),
                               displayForm(0.125),
                               displayForm(truncateTo(S, 10000))};
    QCOMPARE(firstSummaryRow(program.openSummaryWindow()), expected);
}

void SecondaryWindowsTest::randomRatesAreFoldedAlikeByEveryStartAndRecordedAsFour() {
    Program program;
    program.start();
    click(program.form, QStringLiteral("Command5"));
    // "random μ" replaces the rate table window by a hidden one with the drawn rates.
    auto* drawn = program.form.rateWindow();
    QVERIFY(drawn != nullptr);
    QVERIFY(!drawn->isVisible());
    const QStringList station1 = items(*drawn, QStringLiteral("List1_1"));
    QCOMPARE(station1.size(), 6);  // station 1 alone: N1 = 5
    QCOMPARE(items(*drawn, QStringLiteral("List1_0")).size(), 11);

    program.start();
    const auto firstFold = program.form.solver().state().mu;
    program.start();
    const auto& secondFold = program.form.solver().state().mu;
    for (int n = 0; n <= 10; ++n) QCOMPARE(secondFold(1, n), firstFold(1, n));
    QVERIFY(firstFold(1, 1) != program.form.solver().rates().drawn()(1, 1));

    QCOMPARE(resultsFileLines(program.platform, QStringLiteral("ORVEN DOUBLE"))[33],
             QStringLiteral("\"ΠΕΙΡΑΜΑ 2\""));
    auto& summary = program.openSummaryWindow();
    const QStringList experiments = items(summary, QStringLiteral("List2"));
    QCOMPARE(experiments.mid(0, 6),
             QStringList({QStringLiteral("1"), QString(), QStringLiteral("4"), QString(),
                          QStringLiteral("4"), QString()}));
    for (int c = 6; c <= 9; ++c) {
        const QStringList rates = items(summary, QStringLiteral("List1_%1").arg(c));
        QCOMPARE(rates.mid(0, 6), QStringList({QStringLiteral("1"), QString(), QString(), QString(),
                                               QString(), QString()}));
    }
}

void SecondaryWindowsTest::theRateTableWindowMinimizesAndComesBack() {
    Program program;
    // Before any run "show μ" shows an empty window.
    click(program.form, QStringLiteral("Command6"));
    auto* window = program.form.rateWindow();
    QVERIFY(window != nullptr && window->isVisible());
    QVERIFY(items(*window, QStringLiteral("List1_0")).isEmpty());

    program.start();
    window = program.form.rateWindow();
    const QStringList states = items(*window, QStringLiteral("List1_0"));
    click(*window, QStringLiteral("sdfsdfs"));
    QVERIFY(window->isMinimized());
    click(program.form, QStringLiteral("Command6"));
    QCOMPARE(program.form.rateWindow(), window);
    QVERIFY(!window->isMinimized());
    QVERIFY(window->isVisible());
    QCOMPARE(items(*window, QStringLiteral("List1_0")), states);
}

void SecondaryWindowsTest::theWindowsStayWhereTheyStandRunAfterRun() {
    Program program;
    // In the middle of the screen, too low for a window below it: the rate table window stands
    // over the main window's inputs, never over its results.
    program.form.move(250, 400);
    const QPoint mainAt = program.form.pos();
    QRect placed;
    for (int run = 1; run <= 4; ++run) {
        program.start();
        QCOMPARE(program.form.pos(), mainAt);
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible()) continue;
            QVERIFY2(program.form.screen()->availableGeometry().contains(window->frameGeometry()),
                     qPrintable(QStringLiteral("run %1: %2 at %3,%4 %5x%6")
                                    .arg(run)
                                    .arg(window->objectName())
                                    .arg(window->x())
                                    .arg(window->y())
                                    .arg(window->width())
                                    .arg(window->height())));
        }
        const QWidget& rates = *program.form.rateWindow();
        QVERIFY(!rates.frameGeometry().intersects(resultsArea(program.form)));
        if (run == 1) placed = rates.frameGeometry();
        QCOMPARE(rates.frameGeometry(), placed);
        if (run == 2) {
            // Moved by the user, the window of the next run stands where it was left.
            program.form.rateWindow()->move(rates.pos() + QPoint(3, 9));
            placed = rates.frameGeometry();
        }
    }
}

void SecondaryWindowsTest::drawnRatesScrollInARateTableOfFixedWidth() {
    Program program;
    program.start();
    const QWidget* rates = program.form.rateWindow();
    const int width = rates->width();
    // Four decimals fit whole.
    QCOMPARE(sideways(*rates).maximum(), 0);

    click(program.form, QStringLiteral("Command5"));
    click(program.form, QStringLiteral("Command6"));
    rates = program.form.rateWindow();
    QVERIFY(rates->isVisible());
    QVERIFY(items(*rates, QStringLiteral("List1_2")).value(1).size() > 10);
    QCOMPARE(rates->width(), width);
    QVERIFY(sideways(*rates).maximum() > 0);
    QVERIFY(!rates->frameGeometry().intersects(resultsArea(program.form)));
}

QTEST_MAIN(SecondaryWindowsTest)
#include "secondary_windows_test.moc"
