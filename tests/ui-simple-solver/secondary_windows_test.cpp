#include <QAction>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

#include "orven/number_text.h"
#include "program.h"
#include "scripted_platform.h"
#include "window_driver.h"

using orven::displayForm;
using orven::simple_solver::Form1;
using orven::simple_solver::Form2;
using orven::simple_solver::Form3;
using orven::testing::click;
using orven::testing::control;
using orven::testing::items;
using orven::testing::Program;
using orven::testing::resultsFileLines;
using orven::testing::ScriptedPlatform;
using orven::testing::textOf;
using orven::testing::typeInto;

namespace {

const QString kDefaultAnswer = QStringLiteral("ORVEN SIMPLE ");

// Clicks an option of the experiment window on its round button, as a user would.
void choose(const Form2& window, int option) {
    auto* button = control<QRadioButton>(window, QStringLiteral("Option1_%1").arg(option));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void chooseFromMenu(const Form3& window, const QString& item) {
    control<QAction>(window, item)->trigger();
}

// Lets a window that asked to be discarded go.
void discardUnloadedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class SecondaryWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void everyCaptionAndTextIsTheProgramsOwn();
    void eachOptionNamesItsExperimentAndSetsItsCode_data();
    void eachOptionNamesItsExperimentAndSetsItsCode();
    void optionOneRunsTheSecondExperimentEverywhere();
    void variablesDisablesTheClassFieldForGood();
    void theExperimentWindowKeepsItsSelectionWhenShownAgain();
    void theSummaryWindowIsFilledOnlyWhenItLoads();
    void printSendsTheSummaryWindowToThePrinter();
    void exitFromTheSummaryWindowEndsTheProgram();
};

void SecondaryWindowsTest::everyCaptionAndTextIsTheProgramsOwn() {
    Program program;
    Form2& experiment = program.openExperimentWindow();
    Form3& summary = program.openSummaryWindow();
    QCOMPARE(program.form.windowTitle(), QStringLiteral("Σταθμός"));
    QCOMPARE(experiment.windowTitle(), QStringLiteral("Πείραμα"));
    QCOMPARE(summary.windowTitle(), QStringLiteral("Συγκεντρωτικά"));

    struct Caption {
        const QWidget* window;
        const char* control;
        QString text;
    };
    const Caption captions[] = {
        {&program.form, "Label1", QStringLiteral("Αριθμός τάξων R")},
        {&program.form, "Text1", QStringLiteral("3")},
        {&program.form, "Label2_0", QStringLiteral("N1")},
        {&program.form, "Label2_4", QStringLiteral("N5")},
        {&program.form, "Text2_0", QStringLiteral("5")},
        {&program.form, "Text2_4", QStringLiteral("5")},
        {&program.form, "Text3", QString()},
        {&program.form, "Command1", QStringLiteral("variables")},
        {&program.form, "Command2", QStringLiteral("start")},
        {&program.form, "Command4", QStringLiteral("ΣΥΓΚΕΝΤΡΩΤΙΚΑ ")},
        {&program.form, "Command3", QStringLiteral("EXIT")},
        {&program.form, "Label4",
         QStringLiteral("   n(r)           Χ1(n)          Χ2(n)         Χ3(n)          X4(n)")},
        {&program.form, "Label3", QStringLiteral("έξοδος average")},
        {&program.form, "Text4", QString()},
        {&experiment, "Option1_0", QStringLiteral("μ1=1,  μ2=1,  μ3=1")},
        // Each option names the rates its code runs.
        {&experiment, "Option1_1", QStringLiteral("μ1=1, μ2=0.5, μ3=0.25")},
        {&experiment, "Option1_2", QStringLiteral("μ1=1/1.1,  μ2=1/1.2,  μ3=1/1.3")},
        {&experiment, "Command1", QStringLiteral("back")},
        {&summary, "Label10", QStringLiteral("a/a")},
        {&summary, "Label1", QStringLiteral("Πείραμα")},
        {&summary, "Label2", QStringLiteral("R")},
        {&summary, "Label3", QStringLiteral("N1")},
        {&summary, "Label4", QStringLiteral("N2")},
        {&summary, "Label5", QStringLiteral("N3")},
        {&summary, "Label6", QStringLiteral("μ1")},
        {&summary, "Label7", QStringLiteral("μ2")},
        {&summary, "Label8", QStringLiteral("μ3")},
        {&summary, "Label9", QStringLiteral("Χ")},
    };
    for (const auto& caption : captions) {
        QCOMPARE(textOf(*caption.window, QString::fromLatin1(caption.control)), caption.text);
    }
    QCOMPARE(control<QMenu>(summary, QStringLiteral("ffl"))->title(), QStringLiteral("File"));
    QCOMPARE(control<QAction>(summary, QStringLiteral("bbk"))->text(), QStringLiteral("Back"));
    QCOMPARE(control<QAction>(summary, QStringLiteral("pprt"))->text(), QStringLiteral("Print"));
    QCOMPARE(control<QAction>(summary, QStringLiteral("eexd"))->text(), QStringLiteral("Exit"));
    QCOMPARE(control<QWidget>(experiment, QStringLiteral("Image1"))->size(), QSize(128, 120));
}

void SecondaryWindowsTest::eachOptionNamesItsExperimentAndSetsItsCode_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("name");
    QTest::newRow("option 0") << 0 << QStringLiteral("1ο πείραμα");
    QTest::newRow("option 1") << 1 << QStringLiteral("2ο πείραμα");
    QTest::newRow("option 2") << 2 << QStringLiteral("3ο πείραμα");
}

void SecondaryWindowsTest::eachOptionNamesItsExperimentAndSetsItsCode() {
    QFETCH(int, option);
    QFETCH(QString, name);
    Program program;
    QVERIFY(!program.form.solver().experiment().has_value());
    choose(program.openExperimentWindow(), option);
    QCOMPARE(textOf(program.form, QStringLiteral("Text3")), name);
    QCOMPARE(program.form.solver().experiment(), std::optional<int>(option));
}

void SecondaryWindowsTest::optionOneRunsTheSecondExperimentEverywhere() {
    Program program;
    choose(program.openExperimentWindow(), 1);
    QCOMPARE(textOf(program.form, QStringLiteral("Text3")), QStringLiteral("2ο πείραμα"));
    program.start();

    const QStringList lines = resultsFileLines(program.platform, kDefaultAnswer);
    QCOMPARE(lines.size(), 28);
    QCOMPARE(lines[3], QStringLiteral("\"ΠΕΙΡΑΜΑ \",2"));
    // Table A: classes 1, 2 and 3 at rates 1, 0.5 and 0.25, and 0 at the full queue.
    QCOMPARE(lines[9], QStringLiteral("\" 1   1   1   1   1   0  \""));
    QCOMPARE(lines[10], QStringLiteral("\" .5   .5   .5   .5   .5   0  \""));
    QCOMPARE(lines[11], QStringLiteral("\" .25   .25   .25   .25   .25   0  \""));
    QVERIFY(qAbs(program.form.solver().state().S.back() - 0.2497) < 5e-5);

    Form3& summary = program.openSummaryWindow();
    QCOMPARE(items(summary, QStringLiteral("List2")).front(), QStringLiteral("3"));
    QCOMPARE(items(summary, QStringLiteral("List1_5")).front(), QStringLiteral("1"));
    QCOMPARE(items(summary, QStringLiteral("List1_6")).front(), displayForm(0.5));
    QCOMPARE(items(summary, QStringLiteral("List1_7")).front(), displayForm(0.25));
}

void SecondaryWindowsTest::variablesDisablesTheClassFieldForGood() {
    Program program;
    auto* text1 = control<QLineEdit>(program.form, QStringLiteral("Text1"));
    QVERIFY(text1->isEnabled());
    Form2& experiment = program.openExperimentWindow();
    QVERIFY(experiment.isVisible());
    QVERIFY(!text1->isEnabled());

    click(experiment, QStringLiteral("Command1"));
    QVERIFY(!experiment.isVisible());
    QVERIFY(!text1->isEnabled());
    // Typing into it does nothing: the run still has three classes.
    typeInto(program.form, QStringLiteral("Text1"), QStringLiteral("2"));
    QCOMPARE(text1->text(), QStringLiteral("3"));
    program.start();
    QCOMPARE(program.form.solver().state().R, 3);
    QVERIFY(!text1->isEnabled());
}

void SecondaryWindowsTest::theExperimentWindowKeepsItsSelectionWhenShownAgain() {
    Program program;
    Form2& first = program.openExperimentWindow();
    choose(first, 2);
    click(first, QStringLiteral("Command1"));
    Form2& again = program.openExperimentWindow();
    QCOMPARE(&again, &first);
    QVERIFY(again.isVisible());
    QVERIFY(control<QRadioButton>(again, QStringLiteral("Option1_2"))->isChecked());
    QVERIFY(!control<QRadioButton>(again, QStringLiteral("Option1_0"))->isChecked());
    QCOMPARE(textOf(program.form, QStringLiteral("Text3")), QStringLiteral("3ο πείραμα"));
}

void SecondaryWindowsTest::theSummaryWindowIsFilledOnlyWhenItLoads() {
    Program program;
    program.start();
    Form3* first = &program.openSummaryWindow();
    QCOMPARE(items(*first, QStringLiteral("List2")), QStringList({QStringLiteral("1"), QString()}));
    // The serial numbers go to 15 whatever the number of runs.
    QStringList serials;
    for (int r = 1; r <= 15; ++r) serials << QString::number(r) << QString();
    QCOMPARE(items(*first, QStringLiteral("List3")), serials);

    // "Back" hides and discards it: the next opening loads it with the new row.
    chooseFromMenu(*first, QStringLiteral("bbk"));
    QVERIFY(!first->isVisible());
    QVERIFY(program.form.summaryWindow() == nullptr);
    discardUnloadedWindows();
    program.start();
    Form3* second = &program.openSummaryWindow();
    QCOMPARE(items(*second, QStringLiteral("List2")).size(), 4);

    // Pressed again while open, it is only brought up: the third run is not in it.
    program.start();
    QCOMPARE(&program.openSummaryWindow(), second);
    QCOMPARE(items(*second, QStringLiteral("List2")).size(), 4);
    QCOMPARE(program.form.solver().summary().runs(), 3);
}

void SecondaryWindowsTest::printSendsTheSummaryWindowToThePrinter() {
    Program program;
    Form3& summary = program.openSummaryWindow();
    chooseFromMenu(summary, QStringLiteral("pprt"));
    QCOMPARE(program.platform.printedWindows(), QStringList({QStringLiteral("Form3")}));
    QVERIFY(summary.isVisible());
}

void SecondaryWindowsTest::exitFromTheSummaryWindowEndsTheProgram() {
    Program program;
    Form2& experiment = program.openExperimentWindow();
    Form3& summary = program.openSummaryWindow();
    chooseFromMenu(summary, QStringLiteral("eexd"));
    QVERIFY(!program.form.isVisible());
    QVERIFY(!experiment.isVisible());
    QVERIFY(program.form.summaryWindow() == nullptr);
}

QTEST_MAIN(SecondaryWindowsTest)
#include "secondary_windows_test.moc"
