#include <QApplication>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include "orven/ui/heading_line.h"
#include "program.h"
#include "scripted_platform.h"
#include "window_driver.h"

using orven::testing::click;
using orven::testing::control;
using orven::testing::isShown;
using orven::testing::Program;
using orven::testing::resultsFileLines;
using orven::testing::rowAtScreenHeight;
using orven::testing::textOf;
using orven::testing::turnWheel;
using orven::testing::typeInto;

namespace {

const QString kDefaultAnswer = QStringLiteral("ORVEN SIMPLE ");

QListWidget* outputList(const QWidget& form, int k) {
    return control<QListWidget>(form, QStringLiteral("List1_%1").arg(k));
}

void pressKey(QWidget& widget, Qt::Key key) {
    widget.setFocus();
    QTest::keyClick(&widget, key);
}

}  // namespace

class WindowBehaviourTest : public QObject {
    Q_OBJECT
  private slots:
    void theListsScrollTogetherUnderTheirHeadings();
    void everyListIsAsWideAsItsWidestEntry();
    void enterStartsFromAFieldAndPressesAFocusedButton();
    void escapeClosesTheSecondaryWindowsAndOutputFieldsAreNoTabStops();
    void aRefusedRCanBeCorrected();
    void anEmptyFileNameWritesToTheDefaultName();
};

void WindowBehaviourTest::theListsScrollTogetherUnderTheirHeadings() {
    Program program;
    program.start();
    typeInto(program.form, QStringLiteral("Text2_0"), QStringLiteral("40"));
    program.start();
    auto* heading = control<orven::ui::HeadingLine>(program.form, QStringLiteral("Label4"));

    // Five notches over the states scroll every list alike: "16" stands beside the rates of
    // state 16, not of state 1.
    turnWheel(*outputList(program.form, 0), -5);
    const int top = heading->mapToGlobal(QPoint(0, heading->height() + 6)).y();
    const int row = rowAtScreenHeight(*outputList(program.form, 0), top);
    QVERIFY(row >= 5);
    QCOMPARE(outputList(program.form, 0)->item(row)->text(), QString::number(row + 1));
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(rowAtScreenHeight(*outputList(program.form, k), top), row);
    // A wheel over a rate list scrolls the states with it.
    turnWheel(*outputList(program.form, 2), 2);
    const int back = rowAtScreenHeight(*outputList(program.form, 0), top);
    QVERIFY(back < row);
    QCOMPARE(rowAtScreenHeight(*outputList(program.form, 3), top), back);

    // Each heading stands over its list, also when the window is made larger.
    for (const QSize size : {program.form.size(), program.form.size() + QSize(300, 120)}) {
        program.form.resize(size);
        QTest::qWait(20);
        for (int k = 0; k <= 3; ++k) {
            const QListWidget* list = outputList(program.form, k);
            const int listLeft = list->mapToGlobal(QPoint()).x();
            const int headingLeft =
                heading->mapToGlobal(QPoint(heading->columnPositions()[k], 0)).x();
            QVERIFY2(headingLeft >= listLeft && headingLeft < listLeft + 12,
                     qPrintable(QStringLiteral("column %1").arg(k)));
        }
    }
}

void WindowBehaviourTest::everyListIsAsWideAsItsWidestEntry() {
    Program program;
    program.start();
    QListWidget* list = outputList(program.form, 1);
    const QString wide = QStringLiteral("7.02294437271496E+22");
    list->addItem(wide);
    // The window makes room for the wider list, so that no entry hides behind its neighbour
    // or the window's edge.
    const int needed = list->fontMetrics().horizontalAdvance(wide);
    QTRY_VERIFY(list->viewport()->width() > needed);
    const QWidget* next = outputList(program.form, 2);
    QVERIFY(list->mapToGlobal(QPoint(list->width(), 0)).x() <= next->mapToGlobal(QPoint()).x());
    const QWidget* last = outputList(program.form, 3);
    QTRY_VERIFY(last->mapTo(&program.form, QPoint(last->width(), 0)).x() <= program.form.width());
}

void WindowBehaviourTest::enterStartsFromAFieldAndPressesAFocusedButton() {
    Program program;
    program.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.form));

    pressKey(*control<QWidget>(program.form, QStringLiteral("Text1")), Qt::Key_Enter);
    QCOMPARE(program.platform.prompts().size(), 1u);
    QCOMPARE(program.runs(), 1);

    // Enter on a focused button presses that button, not "start".
    pressKey(*control<QWidget>(program.form, QStringLiteral("Command1")), Qt::Key_Return);
    QTRY_VERIFY(program.form.experimentWindow() != nullptr);
    QCOMPARE(program.platform.prompts().size(), 1u);
}

void WindowBehaviourTest::escapeClosesTheSecondaryWindowsAndOutputFieldsAreNoTabStops() {
    Program program;
    auto& experiment = program.openExperimentWindow();
    pressKey(*control<QWidget>(experiment, QStringLiteral("Option1_0")), Qt::Key_Escape);
    QVERIFY(!experiment.isVisible());
    QCOMPARE(program.form.experimentWindow(), &experiment);  // only hidden, as "back" does

    auto& summary = program.openSummaryWindow();
    pressKey(*control<QWidget>(summary, QStringLiteral("List3")), Qt::Key_Escape);
    QVERIFY(program.form.summaryWindow() == nullptr);  // unloaded, as "Back" does

    // Tabbing through the main window never stops on a field that only shows output.
    program.start();
    program.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.form));
    control<QWidget>(program.form, QStringLiteral("Text1"))->setFocus();
    for (int press = 0; press < 20; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString focused = QApplication::focusWidget()->objectName();
        QVERIFY2(focused != QStringLiteral("Text3") && focused != QStringLiteral("Text4"),
                 qPrintable(focused));
    }
}

void WindowBehaviourTest::aRefusedRCanBeCorrected() {
    Program program;
    program.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.form));
    typeInto(program.form, QStringLiteral("Text1"), QStringLiteral("5"));
    click(program.form, QStringLiteral("Command1"));
    auto* text1 = control<QWidget>(program.form, QStringLiteral("Text1"));
    QVERIFY(text1->isEnabled());  // no run can use this R: it stays open to correction

    program.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.form));
    program.start();
    QCOMPARE(program.platform.messages().back().text,
             QStringLiteral("Ο αριθμός τάξεων R πρέπει να είναι 2, 3 ή 4."));
    QVERIFY(text1->isEnabled());
    QCOMPARE(QApplication::focusWidget(), text1);

    typeInto(program.form, QStringLiteral("Text1"), QStringLiteral("2"));
    program.start();
    QCOMPARE(program.runs(), 1);
    QCOMPARE(program.form.solver().state().R, 2);
    click(program.form, QStringLiteral("Command1"));
    QVERIFY(!text1->isEnabled());  // a valid R is kept for the experiments
}

void WindowBehaviourTest::anEmptyFileNameWritesToTheDefaultName() {
    Program program;
    program.platform.cancelNextPrompt();
    program.start();
    program.platform.answer(QString());
    program.start();
    QCOMPARE(resultsFileLines(program.platform, kDefaultAnswer).size(), 2 * 28);
    QVERIFY(program.platform.resultsFile(QString()).isEmpty());
}

QTEST_MAIN(WindowBehaviourTest)
#include "window_behaviour_test.moc"
