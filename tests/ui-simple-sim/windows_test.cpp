// The simulator's windows driven as a user would, on the offscreen platform.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "form1.h"
#include "form2.h"
#include "scripted_platform.h"

using namespace Qt::StringLiterals;
using orven::simple_sim::Form1;
using orven::testing::ScriptedPlatform;

namespace {

const QString kDefaultAnswer = u"ORVEN orven-sim-simple"_s;

template <typename Widget>
Widget* find(QWidget& window, const QString& name) {
    auto* widget = window.findChild<Widget*>(name);
    if (widget == nullptr) qFatal("no control %s", qPrintable(name));
    return widget;
}

QStringList itemsOf(QWidget& window, const QString& list) {
    QStringList items;
    auto* widget = find<QListWidget>(window, list);
    for (int row = 0; row < widget->count(); ++row) items.append(widget->item(row)->text());
    return items;
}

void click(QWidget& window, const QString& button) {
    QTest::mouseClick(find<QAbstractButton>(window, button), Qt::LeftButton);
}

// Everything the results window shows, list by list, then the two boxes.
QStringList resultsShown(QWidget& form2) {
    QStringList all;
    for (const QString& list : {u"List2"_s, u"List1_1"_s, u"List1_2"_s, u"List1_3"_s, u"List1_4"_s,
                                u"List1_5"_s, u"List1_6"_s})
        all << list << itemsOf(form2, list);
    all << find<QLineEdit>(form2, u"Text1"_s)->text() << find<QLineEdit>(form2, u"Text2"_s)->text();
    return all;
}

QString decoded(const QByteArray& bytes) {
    return orven::testing::decodeResults(bytes);
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
    void startIsDisabledDuringARun();
    void setTimeDuringARunChangesTheRun();
    void resultsDuringARunShowsThePreviousContent();
    void exitDuringARunEndsAtOnceAndWritesNothing();
    void aPopulationOutOfRangeIsRefused();
    void theChosenExperimentReachesTheFile();
};

void WindowsTest::mainWindowStartsWithItsDefaults() {
    ScriptedPlatform platform;
    Form1 form(platform);
    QCOMPARE(form.windowTitle(), u"MONTE CARLO SIMULATION"_s);
    for (int i = 1; i <= 3; ++i) {
        const QString index = QString::number(i);
        QCOMPARE(find<QLabel>(form, u"Label"_s + index)->text(), u"Ν"_s + index);
        QCOMPARE(find<QLineEdit>(form, u"Text"_s + index)->text(), u"5"_s);
    }
    const QStringList captions = {u"1o Πείραμα"_s, u"2o Πείραμα"_s, u"3o Πείραμα"_s, u"Tυχαίες"_s};
    for (int index = 0; index < 4; ++index) {
        auto* option = find<QRadioButton>(form, u"Option1_"_s + QString::number(index));
        QCOMPARE(option->text(), captions[index]);
        QCOMPARE(option->isChecked(), index == 0);
    }
    QCOMPARE(find<QLabel>(form, u"Label5"_s)->text(), u"ΧΡΟΝΟΣ ΠΕΙΡ."_s);
    QCOMPARE(find<QLineEdit>(form, u"Text5"_s)->text(), u"100000"_s);
    QCOMPARE(find<QLabel>(form, u"Label6"_s)->text(), QString());
    QCOMPARE(find<QPushButton>(form, u"Command1"_s)->text(), u"Start"_s);
    QCOMPARE(find<QPushButton>(form, u"Command3"_s)->text(), u"Results"_s);
    QCOMPARE(find<QPushButton>(form, u"Command4"_s)->text(), u"Set time"_s);
    QCOMPARE(find<QPushButton>(form, u"Command2"_s)->text(), u"Exit"_s);
    QVERIFY(form.findChild<QWidget*>(u"Picture1"_s) != nullptr);

    QWidget& form2 = form.resultsWindow();
    QCOMPARE(form2.windowTitle(), u"ΑΠΟΤΕΛΕΣΜΑΤΑ"_s);
    QCOMPARE(find<QLabel>(form2, u"Label5"_s)->text(), u"ΠΙΘΑΝΟΤΗΤΕΣ p(i)"_s);
    QCOMPARE(find<QLabel>(form2, u"Label7"_s)->text(),
             u"Ν1             Ν2           Ν3              Ν4           Ν5            Ν6"_s);
    QCOMPARE(find<QPushButton>(form2, u"Command1"_s)->text(), u"close"_s);
    QCOMPARE(find<QPushButton>(form2, u"Command2"_s)->text(), u"exit"_s);
    // The lists stand List2, 1, 2, 3, the line, 5, 4, 6 from left to right.
    QList<int> lefts;
    for (const QString& name : {u"List2"_s, u"List1_1"_s, u"List1_2"_s, u"List1_3"_s, u"Line1"_s,
                                u"List1_5"_s, u"List1_4"_s, u"List1_6"_s})
        lefts.append(find<QWidget>(form2, name)->x());
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
        QCOMPARE(itemsOf(form2, u"List2"_s),
                 (QStringList{u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}));
        QVERIFY(itemsOf(form2, u"List1_1"_s).isEmpty());
        QVERIFY(find<QLineEdit>(form2, u"Text1"_s)->text().isEmpty());
        checkedAtPrompt = true;
    });
    click(form, u"Command1"_s);
    QVERIFY(checkedAtPrompt);

    QCOMPARE(itemsOf(form2, u"List2"_s),
             (QStringList{u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"---"_s, u"Σ"_s}));
    const auto& estimates = form.simulator().estimates();
    for (int i = 1; i <= 3; ++i) {
        const QStringList column = itemsOf(form2, u"List1_"_s + QString::number(i));
        QCOMPARE(column.size(), 5 + 3);
        for (int j = 0; j <= 5; ++j) QCOMPARE(column[j], orven::displayForm(estimates.P(i, j)));
        QCOMPARE(column[6], u"----------"_s);
        QCOMPARE(column[7], orven::displayForm(estimates.psum[i]));
    }
    for (const QString& unused : {u"List1_4"_s, u"List1_5"_s, u"List1_6"_s})
        QVERIFY(itemsOf(form2, unused).isEmpty());
    QCOMPARE(find<QLineEdit>(form2, u"Text1"_s)->text(), orven::displayForm(estimates.X));
    QVERIFY(find<QLineEdit>(form2, u"Text2"_s)->text().isEmpty());
    QCOMPARE(find<QLabel>(form, u"Label6"_s)->text(), u" 100 %"_s);
    QVERIFY(find<QPushButton>(form, u"Command1"_s)->isEnabled());

    // Beside the main window, as tall as it.
    QCOMPARE(form2.frameGeometry().top(), form.frameGeometry().top());
    QCOMPARE(form2.frameGeometry().left(),
             form.frameGeometry().left() + form.frameGeometry().width());
    QCOMPARE(form2.height(), form.height());
    QCOMPARE(decoded(platform.resultsFile(kDefaultAnswer)).count(u"\r\n"_s), 23);
}

void WindowsTest::closeThenResultsShowsTheSameContent() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    click(form, u"Command1"_s);
    QWidget& form2 = form.resultsWindow();
    const QStringList shown = resultsShown(form2);
    click(form2, u"Command1"_s);
    QVERIFY(!form2.isVisible());
    form.move(40, 30);
    click(form, u"Command3"_s);
    QVERIFY(form2.isVisible());
    QCOMPARE(resultsShown(form2), shown);
    QCOMPARE(form2.frameGeometry().left(),
             form.frameGeometry().left() + form.frameGeometry().width());
}

void WindowsTest::resultsBeforeAnyRunShowsAnEmptyWindowBeside() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    click(form, u"Command3"_s);
    QWidget& form2 = form.resultsWindow();
    QVERIFY(form2.isVisible());
    QVERIFY(itemsOf(form2, u"List2"_s).isEmpty());
    QCOMPARE(form2.frameGeometry().top(), form.frameGeometry().top());
    QCOMPARE(form2.height(), form.height());
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
    QCOMPARE(find<QLineEdit>(form, u"Text5"_s)->text(), shown);
    QCOMPARE(static_cast<int>(platform.messages().size()), messages);
    if (messages == 1) {
        QCOMPARE(platform.messages()[0].text,
                 u"Ο χρόνος εκτέλεσης πρέπει να είναι θετικός αριθμός."_s);
        QCOMPARE(platform.messages()[0].title, u"Σφάλμα"_s);
    }
    QCOMPARE(form.simulator().runtime(), shown.toFloat());
}

void WindowsTest::startIsDisabledDuringARun() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    auto* start = find<QPushButton>(form, u"Command1"_s);
    int rounds = 0;
    bool alwaysDisabled = true;
    platform.onProcessEvents([&] {
        ++rounds;
        alwaysDisabled = alwaysDisabled && !start->isEnabled();
        // A click on the disabled button starts nothing.
        QTest::mouseClick(start, Qt::LeftButton);
    });
    click(form, u"Command1"_s);
    QVERIFY(rounds >= 11);
    QVERIFY(alwaysDisabled);
    QVERIFY(start->isEnabled());
    QCOMPARE(platform.prompts().size(), std::size_t{1});
    QCOMPARE(platform.reseeds(), 1);
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
    QCOMPARE(find<QLineEdit>(form, u"Text5"_s)->text(), u"5000"_s);
    QVERIFY(form.simulator().lastRun().clock > 5000.0);
    QVERIFY(form.simulator().lastRun().clock < 5100.0);
    QCOMPARE(find<QLabel>(form, u"Label6"_s)->text(), u" 100 %"_s);
    QVERIFY(decoded(platform.resultsFile(kDefaultAnswer))
                .contains(u"\"ΧΡΟΝΟΣ ΠΕΙΡΑΜΑΤΟΣ :\",5000,\" sec\""_s));
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
    find<QLineEdit>(form, u"Text1"_s)->setText(u"3"_s);
    click(form, u"Command1"_s);
    QCOMPARE(duringRun, previous);
    // Nmax stays 5 with N = (3, 5, 5).
    QCOMPARE(itemsOf(form2, u"List2"_s).size(), 5 + 3);
    QVERIFY(resultsShown(form2) != previous);
}

void WindowsTest::exitDuringARunEndsAtOnceAndWritesNothing() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    QSignalSpy ended(&form, &Form1::programEnded);
    int rounds = 0;
    platform.onProcessEvents([&] {
        if (++rounds == 2) click(form, u"Command2"_s);
    });
    click(form, u"Command1"_s);
    QCOMPARE(ended.count(), 1);
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
    find<QLineEdit>(form, u"Text3"_s)->setText(u"2.5"_s);
    click(form, u"Command1"_s);
    QCOMPARE(platform.messages().size(), std::size_t{1});
    QCOMPARE(platform.messages()[0].text,
             u"Ο πληθυσμός Ν3 πρέπει να είναι ακέραιος από 1 έως 32767."_s);
    QVERIFY(platform.prompts().empty());
    QVERIFY(!form.resultsWindow().isVisible());
    QCOMPARE(find<QLabel>(form, u"Label6"_s)->text(), QString());
    QVERIFY(find<QPushButton>(form, u"Command1"_s)->isEnabled());
}

void WindowsTest::theChosenExperimentReachesTheFile() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    click(form, u"Option1_1"_s);
    click(form, u"Command1"_s);
    const QString record = decoded(platform.resultsFile(kDefaultAnswer));
    QVERIFY(record.contains(u"\"ΠΕΙΡΑΜΑ \",2\r\n"_s));
    QVERIFY(record.contains(u"\" .5   .5   .5   .5   .5   0  \""_s));
    QVERIFY(record.contains(u"\" .25   .25   .25   .25   .25   0  \""_s));
}

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
