#include <QTest>

#include "orven/number_text.h"
#include "program.h"
#include "scripted_platform.h"
#include "window_driver.h"

using orven::testing::click;
using orven::testing::isShown;
using orven::testing::items;
using orven::testing::Program;
using orven::testing::resultsFileLines;
using orven::testing::textOf;
using orven::testing::typeInto;

namespace {

const QString kDefaultAnswer = QStringLiteral("ORVEN DOUBLE");

QStringList numbers(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* text : texts) out.append(QString::fromLatin1(text));
    return out;
}

QStringList states(int last) {
    QStringList out;
    for (int n = 0; n <= last; ++n) out.append(QString::number(n));
    return out;
}

QStringList reducedPopulations(const QWidget& form) {
    QStringList out;
    for (int k = 0; k < 4; ++k) out.append(textOf(form, QStringLiteral("Text5_%1").arg(k)));
    return out;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void aDefaultRunShowsTheReducedNetworkItsRatesAndItsOutput();
    void populationEditsSetUpTheReducedNetworkAtOnce();
    void theOffsetsAreHeldBetweenZeroAndTheirPopulation();
    void refusedInputShowsItsMessageAndComputesNothing();
    void exitClosesEveryWindow();
    void theExactValueStandsForTheDoubleNetworkWhereTheReducedOneDoes();
};

void MainWindowTest::aDefaultRunShowsTheReducedNetworkItsRatesAndItsOutput() {
    Program program;
    QCOMPARE(reducedPopulations(program.form),
             QStringList({QString(), QString(), QString(), QString()}));
    program.start();

    QCOMPARE(reducedPopulations(program.form), numbers({"10", "5", "5", "5"}));
    QCOMPARE(textOf(program.form, QStringLiteral("Text4")), QStringLiteral("0.83"));
    QCOMPARE(program.platform.prompts().front().defaultAnswer, kDefaultAnswer);
    QCOMPARE(resultsFileLines(program.platform, kDefaultAnswer).size(), 30);

    // The lists start at state 0, where every class shows an empty item.
    QCOMPARE(items(program.form, QStringLiteral("List1_0")), states(10));
    const QStringList class1 = items(program.form, QStringLiteral("List1_1"));
    QCOMPARE(class1.size(), 12);
    QVERIFY(class1.front().isEmpty());
    QCOMPARE(class1.back(), QStringLiteral("---------"));
    const QStringList class2 = items(program.form, QStringLiteral("List1_2"));
    QCOMPARE(class2.mid(6, 5), QStringList(5, QString()));  // beyond its 5 jobs

    // The rate table window opens with the rates that the run used: class 1 folded.
    const auto* rates = program.form.rateWindow();
    QVERIFY(rates != nullptr);
    QVERIFY(rates->isVisible());
    QCOMPARE(items(*rates, QStringLiteral("List1_0")), states(10));
    QCOMPARE(
        items(*rates, QStringLiteral("List1_1")),
        numbers({"1", "1", "1.5", "1.25", "1.625", "1.3125", "1.625", "1.25", "1.5", "1", "0"}));
    for (int i = 2; i <= 4; ++i) {
        QCOMPARE(items(*rates, QStringLiteral("List1_%1").arg(i)),
                 numbers({"1", "1", "1", "1", "1", "0"}));
    }
}

void MainWindowTest::populationEditsSetUpTheReducedNetworkAtOnce() {
    Program program;
    typeInto(program.form, QStringLiteral("Text2_3"), QStringLiteral("2"));
    QCOMPARE(reducedPopulations(program.form), numbers({"7", "5", "5", "5"}));
    typeInto(program.form, QStringLiteral("Text2_4"), QStringLiteral("9"));
    typeInto(program.form, QStringLiteral("Text2_2"), QStringLiteral("3"));
    QCOMPARE(reducedPopulations(program.form), numbers({"7", "5", "9", "3"}));
    // Only set-up: nothing was computed or asked.
    QVERIFY(program.platform.prompts().empty());
    QVERIFY(items(program.form, QStringLiteral("List1_0")).isEmpty());

    // A class with a station out of range shows nothing rather than the rest of its sum.
    for (const char* outOfRange : {"40000", "-3", "2.5"}) {
        typeInto(program.form, QStringLiteral("Text2_0"), QString::fromLatin1(outOfRange));
        QCOMPARE(reducedPopulations(program.form), numbers({"", "5", "9", "3"}));
    }
    typeInto(program.form, QStringLiteral("Text2_1"), QStringLiteral("0"));
    typeInto(program.form, QStringLiteral("Text2_0"), QStringLiteral("4"));
    QCOMPARE(reducedPopulations(program.form), numbers({"6", "", "9", "3"}));
}

void MainWindowTest::theOffsetsAreHeldBetweenZeroAndTheirPopulation() {
    Program program;
    struct Edit {
        const char* field;
        const char* typed;
        const char* held;
    };
    const Edit edits[] = {{"Text6", "7", "5"}, {"Text6", "-2", "0"}, {"Text6", "3", "3"},
                          {"Text7", "9", "5"}, {"Text7", "-1", "0"}, {"Text7", "2", "2"}};
    for (const Edit& edit : edits) {
        typeInto(program.form, QString::fromLatin1(edit.field), QString::fromLatin1(edit.typed));
        QCOMPARE(textOf(program.form, QString::fromLatin1(edit.field)),
                 QString::fromLatin1(edit.held));
    }
    QCOMPARE(program.form.solver().K1S1(), 3.0);
    QCOMPARE(program.form.solver().S4(), 2.0);

    // A population lowered afterwards leaves the offset as it is; the next edit of the offset
    // holds it again.
    typeInto(program.form, QStringLiteral("Text2_0"), QStringLiteral("2"));
    QCOMPARE(textOf(program.form, QStringLiteral("Text6")), QStringLiteral("3"));
    typeInto(program.form, QStringLiteral("Text6"), QStringLiteral("4"));
    QCOMPARE(textOf(program.form, QStringLiteral("Text6")), QStringLiteral("2"));
    QCOMPARE(program.form.solver().K1S1(), 2.0);
}

void MainWindowTest::refusedInputShowsItsMessageAndComputesNothing() {
    struct Case {
        const char* field;
        const char* text;
        const char* button;
        QString message;
    };
    const Case cases[] = {
        {"Text1", "3", "Command2", QStringLiteral("Ο αριθμός τάξεων R πρέπει να είναι 4.")},
        {"Text2_3", "0", "Command2",
         QStringLiteral("Ο πληθυσμός N4 πρέπει να είναι ακέραιος από 1 έως 32767.")},
        {"Text2_1", "2.5", "Command5",
         QStringLiteral("Ο πληθυσμός N2 πρέπει να είναι ακέραιος από 1 έως 32767.")},
    };
    for (const Case& c : cases) {
        Program program;
        typeInto(program.form, QString::fromLatin1(c.field), QString::fromLatin1(c.text));
        click(program.form, QString::fromLatin1(c.button));

        QCOMPARE(program.platform.messages().size(), 1u);
        QCOMPARE(program.platform.messages().front().text, c.message);
        QCOMPARE(program.platform.messages().front().title, QStringLiteral("Σφάλμα"));
        QVERIFY(program.platform.prompts().empty());
        QCOMPARE(program.platform.uniformDraws(), 0);
        QCOMPARE(program.runs(), 0);
        QVERIFY(program.form.rateWindow() == nullptr);
        QVERIFY(program.form.focusWidget() ==
                program.form.findChild<QWidget*>(QString::fromLatin1(c.field)));
    }
}

void MainWindowTest::exitClosesEveryWindow() {
    Program program;
    program.start();
    click(program.form, QStringLiteral("Command1"));
    click(program.form, QStringLiteral("Command4"));
    QVERIFY(program.form.rateWindow()->isVisible());

    click(program.form, QStringLiteral("Command3"));
    QVERIFY(!program.form.isVisible());
    QVERIFY(!program.form.experimentWindow()->isVisible());
    QVERIFY(program.form.rateWindow() == nullptr || !program.form.rateWindow()->isVisible());
    QVERIFY(program.form.summaryWindow() == nullptr || !program.form.summaryWindow()->isVisible());
}

void MainWindowTest::theExactValueStandsForTheDoubleNetworkWhereTheReducedOneDoes() {
    Program program;
    program.start();
    const auto exactLine = [&program] {
        return textOf(program.form, QStringLiteral("ExactValue")).replace(u',', u'.');
    };
    // The double network of four loops of 5 jobs with the stations' own rates, not the fold.
    QTRY_COMPARE_WITH_TIMEOUT(exactLine(), QStringLiteral("Ακριβής τιμή: 0.8377 (απόκλιση −0.8 %)"),
                              20000);

    // It belongs to the inputs of that run: any edit of them empties it.
    typeInto(program.form, QStringLiteral("Text2_2"), QStringLiteral("6"));
    QCOMPARE(exactLine(), QString());

    typeInto(program.form, QStringLiteral("Text2_3"), QStringLiteral("4"));
    program.start();
    QCOMPARE(exactLine(), QStringLiteral("Ακριβής τιμή: δεν υπολογίζεται· το διπλό δίκτυο "
                                         "αντιστοιχεί μόνο όταν N1 = N4."));
    click(program.form, QStringLiteral("Command5"));
    QCOMPARE(exactLine(), QString());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
