// The simulator's windows driven as a user would, on the offscreen platform.
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

#include "orven/number_text.h"
#include "orven/ui/heading_line.h"
#include "orven/ui/placement.h"
#include "orven/ui/simple_sim/form1.h"
#include "scripted_platform.h"
#include "window_driver.h"

using namespace Qt::StringLiterals;
using orven::simple_sim::Form1;
using orven::testing::click;
using orven::testing::control;
using orven::testing::items;
using orven::testing::resultsFileLines;
using orven::testing::rowAtScreenHeight;
using orven::testing::ScriptedPlatform;
using orven::testing::textOf;
using orven::testing::turnWheel;
using orven::testing::typeInto;

namespace {

const QString kDefaultAnswer = u"ORVEN orven-sim-simple"_s;
const QStringList kLists = {u"List2"_s,   u"List1_1"_s, u"List1_2"_s, u"List1_3"_s,
                            u"List1_4"_s, u"List1_5"_s, u"List1_6"_s};

// Everything the results window shows, list by list, then the two fields.
QStringList resultsShown(const QWidget& form2) {
    QStringList all;
    for (const QString& list : kLists) all << list << items(form2, list);
    all << textOf(form2, u"Text1"_s) << textOf(form2, u"Text2"_s);
    return all;
}

// The results window stands beside the main window where the screen has room for it (where
// exactly is the placement's own test), as tall as the main window.
void verifyBeside(const QWidget& form2, const QWidget& form) {
    QVERIFY(form2.isVisible());
    QCOMPARE(form2.frameGeometry(),
             orven::ui::besideFrame(form.frameGeometry(), form2.frameGeometry().size(),
                                    form.screen()->availableGeometry()));
    QCOMPARE(form2.height(), form.height());
}

// One decimal as the exact value's line writes a z-score, with a true minus sign.
QString tenths(double value) {
    const QString text = QString::number(std::round(value * 10.0) / 10.0, 'f', 1);
    return text.startsWith(u'-') ? u"−"_s + text.mid(1) : text;
}

void activate(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void mainWindowStartsWithItsDefaults();
    void defaultRunFillsTheResultsWindowInOrder();
    void closeThenResultsShowsTheSameContent();
    void resultsBeforeAnyRunShowsAnEmptyWindowBeside();
    void setTimeAnswers_data();
    void setTimeAnswers();
    void startOptionsAndRunLengthDuringARun();
    void setTimeDuringARunChangesTheRun();
    void setTimeThatEndsARunShowsOneHundredPerCent();
    void resultsDuringARunShowsThePreviousContent();
    void exitDuringARunEndsAtOnceAndWritesNothing();
    void aPopulationOutOfRangeIsRefused();
    void theChosenExperimentReachesTheFile();
    void enterAndEscape();
    void listsScrollTogetherUnderTheirHeadingsAndFitTheirEntries();
    void theResultsWindowStaysOnTheScreen();
};

void WindowsTest::mainWindowStartsWithItsDefaults() {
    ScriptedPlatform platform;
    Form1 form(platform);
    QCOMPARE(form.windowTitle(), u"MONTE CARLO SIMULATION"_s);
    for (int i = 1; i <= 3; ++i) {
        const QString index = QString::number(i);
        QCOMPARE(textOf(form, u"Label"_s + index), u"Ν"_s + index);
        QCOMPARE(textOf(form, u"Text"_s + index), u"5"_s);
    }
    const QStringList captions = {u"1o Πείραμα"_s, u"2o Πείραμα"_s, u"3o Πείραμα"_s, u"Tυχαίες"_s};
    for (int index = 0; index < 4; ++index) {
        auto* option = control<QRadioButton>(form, u"Option1_"_s + QString::number(index));
        QCOMPARE(option->text(), captions[index]);
        QCOMPARE(option->isChecked(), index == 0);
    }
    QCOMPARE(textOf(form, u"Label5"_s), u"ΧΡΟΝΟΣ ΠΕΙΡ."_s);
    QCOMPARE(textOf(form, u"Text5"_s), u"100000"_s);
    QCOMPARE(textOf(form, u"Label6"_s), QString());
    QCOMPARE(textOf(form, u"Command1"_s), u"Start"_s);
    QCOMPARE(textOf(form, u"Command3"_s), u"Results"_s);
    QCOMPARE(textOf(form, u"Command4"_s), u"Set time"_s);
    QCOMPARE(textOf(form, u"Command2"_s), u"Exit"_s);
    QVERIFY(form.findChild<QWidget*>(u"Picture1"_s) != nullptr);

    QWidget& form2 = form.resultsWindow();
    QCOMPARE(form2.windowTitle(), u"ΑΠΟΤΕΛΕΣΜΑΤΑ"_s);
    QCOMPARE(textOf(form2, u"Label5"_s), u"ΠΙΘΑΝΟΤΗΤΕΣ p(i)"_s);
    QCOMPARE(textOf(form2, u"Label7"_s),
             u"Ν1             Ν2           Ν3              Ν4           Ν5            Ν6"_s);
    QCOMPARE(textOf(form2, u"Command1"_s), u"close"_s);
    QCOMPARE(textOf(form2, u"Command2"_s), u"exit"_s);
    // The lists stand List2, 1, 2, 3, the line, 5, 4, 6 from left to right.
    form2.show();
    QList<int> lefts;
    for (const QString& name : {u"List2"_s, u"List1_1"_s, u"List1_2"_s, u"List1_3"_s, u"Line1"_s,
                                u"List1_5"_s, u"List1_4"_s, u"List1_6"_s})
        lefts.append(control<QWidget>(form2, name)->mapTo(&form2, QPoint(0, 0)).x());
    QList<int> sorted = lefts;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(lefts, sorted);
}

void WindowsTest::defaultRunFillsTheResultsWindowInOrder() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    QWidget& form2 = form.resultsWindow();
    bool checkedAtPrompt = false;
    platform.onPrompt([&](const auto&) {
        // While the file prompt is open the window shows the state numbers only.
        QVERIFY(form2.isVisible());
        QCOMPARE(items(form2, u"List2"_s),
                 (QStringList{u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}));
        QVERIFY(items(form2, u"List1_1"_s).isEmpty());
        QVERIFY(textOf(form2, u"Text1"_s).isEmpty());
        checkedAtPrompt = true;
    });
    click(form, u"Command1"_s);
    QVERIFY(checkedAtPrompt);

    QCOMPARE(items(form2, u"List2"_s),
             (QStringList{u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"---"_s, u"Σ"_s}));
    const auto& estimates = form.simulator().estimates();
    for (int i = 1; i <= 3; ++i) {
        const QStringList column = items(form2, u"List1_"_s + QString::number(i));
        QCOMPARE(column.size(), 5 + 3);
        for (int j = 0; j <= 5; ++j) QCOMPARE(column[j], orven::displayForm(estimates.P(i, j)));
        QCOMPARE(column[6], u"----------"_s);
        QCOMPARE(column[7], orven::displayForm(estimates.psum[i]));
    }
    for (const QString& unused : {u"List1_4"_s, u"List1_5"_s, u"List1_6"_s})
        QVERIFY(items(form2, unused).isEmpty());
    QCOMPARE(textOf(form2, u"Text1"_s), orven::displayForm(estimates.X));
    QVERIFY(textOf(form2, u"Text2"_s).isEmpty());
    // Beside X its 95 % half-width over 20 batch means (Student's t of 19 degrees of freedom),
    // and under it the exact value of the same network with the z-score of X.
    const double error = form.simulator().outputStandardErrors()[0].value();
    QCOMPARE(
        textOf(form2, u"HalfWidth1"_s),
        u"± "_s + orven::displayForm(orven::Fixed4::fromDouble(2.0930 * error)) + u" (95 %)"_s);
    QVERIFY(textOf(form2, u"HalfWidth2"_s).isEmpty());
    const double exact = 0.863823;
    QTRY_COMPARE_WITH_TIMEOUT(textOf(form2, u"ExactValue"_s),
                              u"Ακριβής τιμή: 0.8638 (z = "_s +
                                  tenths((form.simulator().outputs()[0] - exact) / error) + u")"_s,
                              20000);
    QCOMPARE(textOf(form, u"Label6"_s), u" 100 %"_s);
    QVERIFY(control<QPushButton>(form, u"Command1"_s)->isEnabled());

    verifyBeside(form2, form);
    QCOMPARE(resultsFileLines(platform, kDefaultAnswer).size(), 23);
}

void WindowsTest::closeThenResultsShowsTheSameContent() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    click(form, u"Command1"_s);
    QWidget& form2 = form.resultsWindow();
    const QStringList shown = resultsShown(form2);
    const QRect placed = form2.frameGeometry();
    click(form2, u"Command1"_s);
    QVERIFY(!form2.isVisible());
    form.move(40, 30);
    click(form, u"Command3"_s);
    QVERIFY(form2.isVisible());
    QCOMPARE(resultsShown(form2), shown);
    // Placed once: it comes back where it stood, wherever the main window has gone.
    QCOMPARE(form2.frameGeometry(), placed);
}

void WindowsTest::resultsBeforeAnyRunShowsAnEmptyWindowBeside() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    click(form, u"Command3"_s);
    QWidget& form2 = form.resultsWindow();
    QVERIFY(form2.isVisible());
    QVERIFY(items(form2, u"List2"_s).isEmpty());
    verifyBeside(form2, form);
}

void WindowsTest::setTimeAnswers_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("messages");
    QTest::newRow("5000") << u"5000"_s << false << u"5000"_s << 0;
    QTest::newRow("Cancel") << QString() << true << u"100000"_s << 0;
    QTest::newRow("abc") << u"abc"_s << false << u"100000"_s << 0;
    QTest::newRow("-1") << u"-1"_s << false << u"100000"_s << 1;
    QTest::newRow("1E+300") << u"1E+300"_s << false << u"100000"_s << 1;
}

void WindowsTest::setTimeAnswers() {
    QFETCH(QString, answer);
    QFETCH(bool, cancel);
    QFETCH(QString, shown);
    QFETCH(int, messages);
    ScriptedPlatform platform;
    Form1 form(platform);
    if (cancel) {
        platform.cancelNextPrompt();
    } else {
        platform.answer(answer);
    }
    click(form, u"Command4"_s);
    QCOMPARE(textOf(form, u"Text5"_s), shown);
    QCOMPARE(static_cast<int>(platform.messages().size()), messages);
    if (messages == 1) {
        QCOMPARE(platform.messages()[0].text,
                 u"Ο χρόνος εκτέλεσης πρέπει να είναι θετικός αριθμός έως 1E+14."_s);
        QCOMPARE(platform.messages()[0].title, u"Σφάλμα"_s);
    }
    QCOMPARE(form.simulator().controller().runtime(), shown.toFloat());
}

void WindowsTest::startOptionsAndRunLengthDuringARun() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    auto* start = control<QPushButton>(form, u"Command1"_s);
    auto* text5 = control<QLineEdit>(form, u"Text5"_s);
    QVERIFY(text5->isReadOnly());
    QVERIFY(!(text5->focusPolicy() & Qt::TabFocus));
    int rounds = 0;
    bool alwaysDisabled = true;
    platform.onProcessEvents([&] {
        ++rounds;
        alwaysDisabled = alwaysDisabled && !start->isEnabled();
        for (int index = 0; index < 4; ++index) {
            alwaysDisabled =
                alwaysDisabled &&
                !control<QRadioButton>(form, u"Option1_"_s + QString::number(index))->isEnabled();
        }
        // Clicks on the disabled controls start nothing and choose nothing.
        QTest::mouseClick(start, Qt::LeftButton);
        click(form, u"Option1_2"_s);
    });
    click(form, u"Command1"_s);
    QVERIFY(rounds >= 11);
    QVERIFY(alwaysDisabled);
    QVERIFY(start->isEnabled());
    QVERIFY(control<QRadioButton>(form, u"Option1_2"_s)->isEnabled());
    QCOMPARE(platform.prompts().size(), std::size_t{1});
    QCOMPARE(platform.reseeds(), 1);
    QCOMPARE(resultsFileLines(platform, kDefaultAnswer)[3], u"\"ΠΕΙΡΑΜΑ \",1"_s);
}

void WindowsTest::setTimeDuringARunChangesTheRun() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    bool asked = false;
    platform.onProcessEvents([&] {
        if (asked) return;
        asked = true;
        platform.answer(u"5000"_s);
        click(form, u"Command4"_s);
    });
    click(form, u"Command1"_s);
    QCOMPARE(textOf(form, u"Text5"_s), u"5000"_s);
    QVERIFY(form.simulator().lastRun().clock > 5000.0);
    QVERIFY(form.simulator().lastRun().clock < 5100.0);
    QCOMPARE(textOf(form, u"Label6"_s), u" 100 %"_s);
    QVERIFY(resultsFileLines(platform, kDefaultAnswer)
                .contains(u"\"ΧΡΟΝΟΣ ΠΕΙΡΑΜΑΤΟΣ :\",5000,\" sec\""_s));
}

void WindowsTest::setTimeThatEndsARunShowsOneHundredPerCent() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    bool asked = false;
    platform.onProcessEvents([&] {
        if (asked || textOf(form, u"Label6"_s) != u" 20 %"_s) return;
        asked = true;
        platform.answer(u"10"_s);
        click(form, u"Command4"_s);
    });
    click(form, u"Command1"_s);
    QVERIFY(asked);
    QCOMPARE(textOf(form, u"Label6"_s), u" 100 %"_s);
    QVERIFY(form.simulator().lastRun().clock < 30000.0);
}

void WindowsTest::resultsDuringARunShowsThePreviousContent() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    click(form, u"Command1"_s);
    QWidget& form2 = form.resultsWindow();
    const QStringList previous = resultsShown(form2);
    click(form2, u"Command1"_s);

    QStringList duringRun;
    platform.onProcessEvents([&] {
        if (!duringRun.isEmpty()) return;
        click(form, u"Command3"_s);
        QVERIFY(form2.isVisible());
        duringRun = resultsShown(form2);
    });
    typeInto(form, u"Text1"_s, u"3"_s);
    click(form, u"Command1"_s);
    QCOMPARE(duringRun, previous);
    // Nmax stays 5 with N = (3, 5, 5).
    QCOMPARE(items(form2, u"List2"_s).size(), 5 + 3);
    QVERIFY(resultsShown(form2) != previous);
}

void WindowsTest::exitDuringARunEndsAtOnceAndWritesNothing() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    int rounds = 0;
    platform.onProcessEvents([&] {
        if (++rounds == 2) click(form, u"Command2"_s);
    });
    click(form, u"Command1"_s);
    QCOMPARE(rounds, 2);
    QVERIFY(!form.isVisible());
    QVERIFY(!form.resultsWindow().isVisible());
    QVERIFY(platform.prompts().empty());
    QVERIFY(platform.resultsFile(kDefaultAnswer).isEmpty());
}

void WindowsTest::aPopulationOutOfRangeIsRefused() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    typeInto(form, u"Text3"_s, u"2.5"_s);
    click(form, u"Command1"_s);
    QCOMPARE(platform.messages().size(), std::size_t{1});
    QCOMPARE(platform.messages()[0].text,
             u"Ο πληθυσμός Ν3 πρέπει να είναι ακέραιος από 1 έως 32767."_s);
    QVERIFY(platform.prompts().empty());
    QVERIFY(!form.resultsWindow().isVisible());
    QCOMPARE(textOf(form, u"Label6"_s), QString());
    QVERIFY(control<QPushButton>(form, u"Command1"_s)->isEnabled());
}

void WindowsTest::theChosenExperimentReachesTheFile() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    click(form, u"Option1_1"_s);
    click(form, u"Command1"_s);
    const QStringList record = resultsFileLines(platform, kDefaultAnswer);
    QCOMPARE(record[3], u"\"ΠΕΙΡΑΜΑ \",2"_s);
    QCOMPARE(record[11], u"\" .5   .5   .5   .5   .5   0  \""_s);
    QCOMPARE(record[12], u"\" .25   .25   .25   .25   .25   0  \""_s);
}

void WindowsTest::enterAndEscape() {
    ScriptedPlatform platform;
    Form1 form(platform);
    activate(form);

    // Enter on a focused button presses it.
    platform.answer(u"200"_s);
    control<QWidget>(form, u"Command4"_s)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(textOf(form, u"Text5"_s), u"200"_s);

    // Enter in a field is "Start".
    typeInto(form, u"Text2"_s, u"4"_s);
    QTest::keyClick(control<QWidget>(form, u"Text2"_s), Qt::Key_Return);
    QCOMPARE(platform.prompts().size(), std::size_t{2});
    QCOMPARE(resultsFileLines(platform, kDefaultAnswer)[6],
             u"\"Nr(1) = \",5,\" Nr(2)= \",4,\" Nr(3) = \",5"_s);

    // Escape in the results window closes it as "close" does.
    QWidget& form2 = form.resultsWindow();
    QVERIFY(form2.isVisible());
    QTest::keyClick(&form2, Qt::Key_Escape);
    QVERIFY(!form2.isVisible());
}

void WindowsTest::listsScrollTogetherUnderTheirHeadingsAndFitTheirEntries() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    for (const QString& field : {u"Text1"_s, u"Text2"_s, u"Text3"_s})
        typeInto(form, field, u"150"_s);
    platform.answer(u"200"_s);
    click(form, u"Command4"_s);
    click(form, u"Command1"_s);
    QWidget& form2 = form.resultsWindow();
    QCOMPARE(items(form2, u"List2"_s).size(), 150 + 3);
    // What the window does once the run has handed it back: lay its lists out.
    QCoreApplication::processEvents();

    // Every entry fits its list: the state numbers of three digits too.
    for (const QString& name : kLists) {
        auto* list = control<QListWidget>(form2, name);
        QVERIFY2(list->viewport()->width() >= list->sizeHintForColumn(0), qPrintable(name));
    }

    // The wheel over one list scrolls them all, row by row in line.
    turnWheel(*control<QListWidget>(form2, u"List1_2"_s), -4);
    auto* states = control<QListWidget>(form2, u"List2"_s);
    auto* heading = control<orven::ui::HeadingLine>(form2, u"Label7"_s);
    const int top = heading->mapToGlobal(QPoint(0, heading->height() + 6)).y();
    const int row = rowAtScreenHeight(*states, top);
    QVERIFY(row > 0);
    QCOMPARE(states->item(row)->text(), QString::number(row));
    for (const QString& name : {u"List1_1"_s, u"List1_2"_s, u"List1_3"_s})
        QCOMPARE(rowAtScreenHeight(*control<QListWidget>(form2, name), top), row);

    // Each heading stands over its column, also when the window grows.
    auto* headings = control<orven::ui::HeadingLine>(form2, u"Label7"_s);
    const QStringList underHeadings = {u"List2"_s,   u"List1_1"_s, u"List1_2"_s, u"List1_3"_s,
                                       u"List1_5"_s, u"List1_4"_s, u"List1_6"_s};
    for (const int width : {form2.width(), form2.width() + 300}) {
        form2.resize(width, form2.height());
        QCoreApplication::processEvents();
        for (int k = 1; k < underHeadings.size(); ++k) {
            QCOMPARE(headings->columnHeading(k), u"Ν"_s + QString::number(k));
            const auto* list = control<QWidget>(form2, underHeadings[k]);
            const int start =
                headings->mapTo(&form2, QPoint(headings->columnPositions()[k], 0)).x();
            const int left = list->mapTo(&form2, QPoint(0, 0)).x();
            QVERIFY2(start > left && start < left + list->width(), qPrintable(underHeadings[k]));
        }
    }
}

void WindowsTest::theResultsWindowStaysOnTheScreen() {
    const QRect screen(0, 0, 1280, 1024);
    const QSize results(540, 300);
    // Room on the right: beside it, tops level.
    QCOMPARE(orven::ui::besideFrame(QRect(100, 80, 520, 300), results, screen),
             QRect(620, 80, 540, 300));
    // The main window centred: no room on either side, so below it.
    const QRect centred(380, 362, 520, 300);
    QCOMPARE(orven::ui::besideFrame(centred, results, screen), QRect(380, 662, 540, 300));
    // Close to the right edge: on its left.
    QCOMPARE(orven::ui::besideFrame(QRect(700, 80, 520, 300), results, screen),
             QRect(160, 80, 540, 300));
    // No room anywhere: over the freer side of the main window (its left), on the screen.
    const QRect big(300, 200, 700, 800);
    QCOMPARE(orven::ui::besideFrame(big, QSize(600, 800), screen), QRect(0, 200, 600, 800));

    // A main window in the middle of the screen, too low for the window below it: the window
    // stands over its right side, against the screen's edge, unless that covers what must
    // stay in view and the left side does not.
    const QRect middle(298, 335, 684, 353);
    const QSize beside(458, 353);
    QCOMPARE(orven::ui::besideFrame(middle, beside, screen), QRect(822, 335, 458, 353));
    QCOMPARE(orven::ui::besideFrame(middle, beside, screen, QRect(700, 400, 200, 200)),
             QRect(0, 335, 458, 353));
    // Larger than the screen: cut to it.
    QCOMPARE(orven::ui::withinScreen(QRect(-50, 900, 1400, 300), screen), QRect(0, 724, 1280, 300));
}

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
