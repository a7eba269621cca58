// orven-sim's windows driven as a user would, on the offscreen platform: what differs from
// orven-sim-simple (the run loop and its controls are the kit's, tested once there).
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

#include "orven/number_text.h"
#include "orven/ui/double_sim/form1.h"
#include "orven/ui/heading_line.h"
#include "orven/ui/placement.h"
#include "scripted_platform.h"
#include "window_driver.h"

using namespace Qt::StringLiterals;
using orven::double_sim::Form1;
using orven::testing::click;
using orven::testing::control;
using orven::testing::items;
using orven::testing::resultsFileLines;
using orven::testing::ScriptedPlatform;
using orven::testing::textOf;
using orven::testing::typeInto;

namespace {

const QString kDefaultAnswer = u"ORVEN orven-sim"_s;

// The lists under the headings Ν1..Ν6, from left to right: queue 5 under Ν4, queue 4 under Ν5.
const QStringList kUnderHeadings = {u"List1_1"_s, u"List1_2"_s, u"List1_3"_s,
                                    u"List1_5"_s, u"List1_4"_s, u"List1_6"_s};

int leftOf(const QWidget& window, const QString& name) {
    return control<QWidget>(window, name)->mapTo(&window, QPoint(0, 0)).x();
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void mainWindowShowsTheFourLoopsAndTheOptionsInOrder();
    void theOptionsSetTheRatesTheyName();
    void aRunFillsEveryColumnUnderItsHeadingAndBothOutputs();
    void aPopulationOutOfRangeIsRefusedByItsHeading();
    void theWindowsStayWhereTheyStandRunAfterRun();
    void anEditedPopulationEmptiesTheExactValue();
};

void WindowsTest::mainWindowShowsTheFourLoopsAndTheOptionsInOrder() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    QCOMPARE(form.windowTitle(), u"MONTE CARLO SIMULATION"_s);
    const QStringList headings = {u"Ν1"_s, u"Ν2"_s, u"Ν3"_s, u"Ν5"_s};
    for (int field = 1; field <= 4; ++field) {
        const QString index = QString::number(field);
        QCOMPARE(textOf(form, u"Label"_s + index), headings[field - 1]);
        QCOMPARE(textOf(form, u"Text"_s + index), u"5"_s);
    }
    // Top to bottom: Option1(0), (2), (1), (3), captions counting up; the first is chosen.
    const QList<std::pair<int, QString>> options = {
        {0, u"1o Πείραμα"_s}, {2, u"2o Πείραμα"_s}, {1, u"3o Πείραμα"_s}, {3, u"Tυχαίες"_s}};
    int above = -1;
    for (const auto& [index, caption] : options) {
        auto* option = control<QRadioButton>(form, u"Option1_"_s + QString::number(index));
        QCOMPARE(option->text(), caption);
        QCOMPARE(option->isChecked(), index == 0);
        const int top = option->mapTo(&form, QPoint(0, 0)).y();
        QVERIFY2(top > above, qPrintable(caption));
        above = top;
    }
    QVERIFY(form.findChild<QWidget*>(u"Picture1"_s) != nullptr);

    QWidget& form2 = form.resultsWindow();
    QCOMPARE(form2.windowTitle(), u"ΑΠΟΤΕΛΕΣΜΑΤΑ"_s);
    QCOMPARE(textOf(form2, u"Label7"_s),
             u"Ν1             Ν2           Ν3            Ν4           Ν5            Ν6"_s);
}

void WindowsTest::theOptionsSetTheRatesTheyName() {
    // The second option from the top runs 1/1.1, 1/1.2, 1/1.3; the third halves.
    for (const auto& [index, heading, rate] :
         {std::tuple{2, u"\"ΠΕΙΡΑΜΑ 2\""_s, u"\" .7692   .7692   0  \""_s},
          std::tuple{1, u"\"ΠΕΙΡΑΜΑ 3\""_s, u"\" .125   .125   0  \""_s}}) {
        ScriptedPlatform platform;
        Form1 form(platform);
        form.show();
        for (const QString& field : {u"Text1"_s, u"Text2"_s, u"Text3"_s, u"Text4"_s})
            typeInto(form, field, u"2"_s);
        click(form, u"Option1_"_s + QString::number(index));
        click(form, u"Command1"_s);
        const QStringList report = resultsFileLines(platform, kDefaultAnswer);
        QCOMPARE(report[3], heading);
        QCOMPARE(report[14], rate);
    }
}

// One decimal as the exact value's line writes a z-score, with a true minus sign.
QString tenths(double value) {
    const QString text = QString::number(std::round(value * 10.0) / 10.0, 'f', 1);
    return text.startsWith(u'-') ? u"−"_s + text.mid(1) : text;
}

void WindowsTest::aRunFillsEveryColumnUnderItsHeadingAndBothOutputs() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    QWidget& form2 = form.resultsWindow();
    bool checkedAtPrompt = false;
    platform.onPrompt([&](const auto&) {
        // While the file prompt is open the window shows the state numbers only.
        QCOMPARE(items(form2, u"List2"_s),
                 (QStringList{u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}));
        QVERIFY(items(form2, u"List1_4"_s).isEmpty());
        checkedAtPrompt = true;
    });
    click(form, u"Command1"_s);
    QVERIFY(checkedAtPrompt);

    QCOMPARE(items(form2, u"List2"_s),
             (QStringList{u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"---"_s, QString()}));
    const auto& estimates = form.simulator().estimates();
    for (int k = 1; k <= 6; ++k) {
        const QStringList column = items(form2, u"List1_"_s + QString::number(k));
        QCOMPARE(column.size(), 5 + 3);
        for (int j = 0; j <= 5; ++j) QCOMPARE(column[j], orven::displayForm(estimates.P(k, j)));
        QCOMPARE(column[6], u"----------"_s);
        QCOMPARE(column[7], orven::displayForm(estimates.psum[k]));
    }
    QCOMPARE(textOf(form2, u"Text1"_s), orven::displayForm(estimates.X1));
    QCOMPARE(textOf(form2, u"Text2"_s), orven::displayForm(estimates.X2));
    // Beside each output its 95 % half-width over 20 batch means (Student's t of 19 degrees of
    // freedom), and under them the exact value of the same network with both z-scores.
    const auto outputs = form.simulator().outputs();
    const auto errors = form.simulator().outputStandardErrors();
    QString scores;
    const double exact = 0.837736;
    for (int k = 1; k <= 2; ++k) {
        const double error = errors[k - 1].value();
        QCOMPARE(
            textOf(form2, u"HalfWidth"_s + QString::number(k)),
            u"± "_s + orven::displayForm(orven::Fixed4::fromDouble(2.0930 * error)) + u" (95 %)"_s);
        scores += (k == 1 ? u" (z1 = "_s : u", z2 = "_s) + tenths((outputs[k - 1] - exact) / error);
    }
    QTRY_COMPARE_WITH_TIMEOUT(textOf(form2, u"ExactValue"_s),
                              u"Ακριβής τιμή: 0.8377"_s + scores + u")"_s, 20000);

    // Each heading stands over its own list, the line between the queues of the two stations.
    QCoreApplication::processEvents();
    auto* headings = control<orven::ui::HeadingLine>(form2, u"Label7"_s);
    for (int place = 0; place < kUnderHeadings.size(); ++place) {
        // Column 0 is the state numbers, under no heading.
        const int column = place + 1;
        QCOMPARE(headings->columnHeading(column), u"Ν"_s + QString::number(column));
        const QWidget* list = control<QWidget>(form2, kUnderHeadings[place]);
        const int start =
            headings->mapTo(&form2, QPoint(headings->columnPositions()[column], 0)).x();
        const int left = leftOf(form2, kUnderHeadings[place]);
        QVERIFY2(start > left && start < left + list->width(), qPrintable(kUnderHeadings[place]));
    }
    QVERIFY(leftOf(form2, u"List1_3"_s) < leftOf(form2, u"Line1"_s));
    QVERIFY(leftOf(form2, u"Line1"_s) < leftOf(form2, u"List1_5"_s));

    // Beside the main window where the screen has room, as tall as it.
    QCOMPARE(form2.frameGeometry(),
             orven::ui::besideFrame(form.frameGeometry(), form2.frameGeometry().size(),
                                    form.screen()->availableGeometry()));
    QCOMPARE(form2.height(), form.height());
    QCOMPARE(resultsFileLines(platform, kDefaultAnswer).size(), 31);
}

void WindowsTest::aPopulationOutOfRangeIsRefusedByItsHeading() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    typeInto(form, u"Text4"_s, u"0"_s);
    click(form, u"Command1"_s);
    QCOMPARE(platform.messages().size(), std::size_t{1});
    QCOMPARE(platform.messages()[0].text,
             u"Ο πληθυσμός Ν5 πρέπει να είναι ακέραιος από 1 έως 32767."_s);
    QVERIFY(platform.prompts().empty());
}

void WindowsTest::theWindowsStayWhereTheyStandRunAfterRun() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    platform.answer(u"5000"_s);
    click(form, u"Command4"_s);
    const QPoint mainAt = form.pos();
    QWidget& form2 = form.resultsWindow();
    QRect placed;
    for (int run = 1; run <= 4; ++run) {
        click(form, u"Command1"_s);
        QTRY_VERIFY_WITH_TIMEOUT(textOf(form2, u"ExactValue"_s) != u"Ακριβής τιμή: υπολογίζεται…"_s,
                                 20000);
        QCoreApplication::processEvents();
        QCOMPARE(form.pos(), mainAt);
        for (const QWidget* window : {static_cast<QWidget*>(&form), &form2}) {
            QVERIFY2(form.screen()->availableGeometry().contains(window->frameGeometry()),
                     qPrintable(u"run %1: %2"_s.arg(run).arg(window->objectName())));
        }
        if (run == 1) placed = form2.frameGeometry();
        QCOMPARE(form2.frameGeometry(), placed);
        if (run == 2) {
            // Moved by the user, it stays there.
            form2.move(form2.pos() + QPoint(7, 5));
            placed = form2.frameGeometry();
        }
    }
}

void WindowsTest::anEditedPopulationEmptiesTheExactValue() {
    ScriptedPlatform platform;
    Form1 form(platform);
    form.show();
    click(form, u"Command1"_s);
    QWidget& form2 = form.resultsWindow();
    QTRY_VERIFY_WITH_TIMEOUT(textOf(form2, u"ExactValue"_s).contains(u"0.8377"_s), 20000);
    typeInto(form, u"Text2"_s, u"6"_s);
    QCOMPARE(textOf(form2, u"ExactValue"_s), QString());
    // A second run of the same inputs, then another option: the same.
    click(form, u"Command1"_s);
    QTRY_VERIFY_WITH_TIMEOUT(textOf(form2, u"ExactValue"_s).startsWith(u"Ακριβής τιμή: "_s), 20000);
    click(form, u"Option1_1"_s);
    QCOMPARE(textOf(form2, u"ExactValue"_s), QString());
}

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
