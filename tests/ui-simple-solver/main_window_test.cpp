#include <QApplication>
#include <QTest>
#include <limits>
#include <memory>

#include "orven/number_text.h"
#include "program.h"
#include "scripted_platform.h"
#include "window_driver.h"

using orven::displayForm;
using orven::messageForm;
using orven::truncateTo;
using orven::simple_solver::Form1;
using orven::testing::click;
using orven::testing::isShown;
using orven::testing::items;
using orven::testing::Program;
using orven::testing::resultsFileLines;
using orven::testing::ScriptedPlatform;
using orven::testing::textOf;
using orven::testing::typeInto;

namespace {

const QString kDefaultAnswer = QStringLiteral("ORVEN SIMPLE ");

QStringList numbersFrom1To(int last) {
    QStringList numbers;
    for (int n = 1; n <= last; ++n) numbers.append(QString::number(n));
    return numbers;
}

// A platform that notes whether the busy cursor is up at each call the computation makes.
class CursorWatchingPlatform final : public orven::Platform {
  public:
    bool busyAtEveryDraw = true;
    int draws = 0;
    bool busyAtAMessageOrPrompt = false;

    void showMessage(const QString& text, orven::MessageIcon icon, const QString& title) override {
        busyAtAMessageOrPrompt = busyAtAMessageOrPrompt || busy();
        inner_.showMessage(text, icon, title);
    }
    QString askText(const QString& text, const QString& title, const QString& answer) override {
        busyAtAMessageOrPrompt = busyAtAMessageOrPrompt || busy();
        return inner_.askText(text, title, answer);
    }
    void reseedRandom() override { inner_.reseedRandom(); }
    float uniformRandom() override {
        ++draws;
        busyAtEveryDraw = busyAtEveryDraw && busy();
        return inner_.uniformRandom();
    }
    QDateTime currentDateTime() override { return inner_.currentDateTime(); }
    std::int64_t wallClockMilliseconds() override { return inner_.wallClockMilliseconds(); }
    void processEvents() override { inner_.processEvents(); }
    QString resultsFolder() override { return inner_.resultsFolder(); }
    orven::AppendOutcome appendFile(const QString& path, const QByteArray& bytes) override {
        return inner_.appendFile(path, bytes);
    }
    void printWindow(QObject& window) override { inner_.printWindow(window); }

  private:
    static bool busy() {
        const QCursor* cursor = QApplication::overrideCursor();
        return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
    }
    ScriptedPlatform inner_;
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void defaultsThenStartShowTheRunEverywhere();
    void startTwiceEmptiesTheListsAndAddsASecondBlockAndRow();
    void theSixteenthRunIsWrittenButAddsNoRow();
    void refusedInputShowsItsMessageAndChangesNothing_data();
    void refusedInputShowsItsMessageAndChangesNothing();
    void anUnwritableFileIsReportedAndTheListsAreStillFilled();
    void aPopulationEditAfterARunRedoesSetUpOnly();
    void theListsFollowTheNumberOfClasses_data();
    void theListsFollowTheNumberOfClasses();
    void theCursorIsBusyOnlyWhileComputing();
    void aFailedRunLeavesNoOutputShown();
    void exitClosesEveryWindow();
};

void MainWindowTest::defaultsThenStartShowTheRunEverywhere() {
    Program program;
    const Form1& form = program.form;
    for (int k = 0; k < 5; ++k) QVERIFY(!isShown(form, QStringLiteral("Text2_%1").arg(k)));

    click(form, QStringLiteral("Command2"));

    // N1..N3 and their headings appear, N4 and N5 stay hidden.
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(isShown(form, QStringLiteral("Text2_%1").arg(k)), k < 3);
        QCOMPARE(isShown(form, QStringLiteral("Label2_%1").arg(k)), k < 3);
    }
    const auto& prompts = program.platform.prompts();
    QCOMPARE(prompts.size(), 1u);
    QCOMPARE(prompts.front().defaultAnswer, kDefaultAnswer);
    QCOMPARE(prompts.front().text, QStringLiteral("Δώσε αρχείο για αποθήκευση πληροφοριών"));

    const double S = program.S();
    QVERIFY(qAbs(S - 0.8336) < 5e-5);
    const auto& messages = program.platform.messages();
    QCOMPARE(messages.size(), 1u);
    QCOMPARE(messages.front().title, QStringLiteral("Aποτέλεσμα"));
    QCOMPARE(messages.front().text,
             QStringLiteral("Η έξοδος του σταθμού συνχρονισμού είναι,\r\n") + messageForm(S));
    QCOMPARE(textOf(form, QStringLiteral("Text4")), displayForm(truncateTo(S, 1000)));

    // The lists hold the output rates of each class, truncated to 3 decimals, under the states.
    QCOMPARE(items(form, QStringLiteral("List1_0")), numbersFrom1To(5));
    const auto& Xout = form.solver().Xout();
    for (int i = 1; i <= 3; ++i) {
        QStringList expected;
        for (int n = 1; n <= 5; ++n) expected.append(displayForm(truncateTo(Xout(i, n), 1000)));
        expected.append(QStringLiteral("---------"));
        QCOMPARE(items(form, QStringLiteral("List1_%1").arg(i)), expected);
        QVERIFY(isShown(form, QStringLiteral("List1_%1").arg(i)));
    }
    // The classes are alike, so are their rates; beyond the first state the rate is x(i, 0).
    QCOMPARE(items(form, QStringLiteral("List1_2")), items(form, QStringLiteral("List1_1")));
    QCOMPARE(items(form, QStringLiteral("List1_1"))[1], items(form, QStringLiteral("List1_1"))[4]);
    QVERIFY(!isShown(form, QStringLiteral("List1_4")));

    QCOMPARE(resultsFileLines(program.platform, kDefaultAnswer).size(), 28);

    click(form, QStringLiteral("Command4"));
    const auto* summary = form.summaryWindow();
    QVERIFY(summary != nullptr);
    QVERIFY(summary->isVisible());
    const QStringList row{
        QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("5"),
        QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("1"),
        QStringLiteral("1"), QStringLiteral("1"), displayForm(truncateTo(S, 10000))};
    // Πείραμα in List2, then the columns R to Χ in List1(1..8).
    for (int c = 0; c < row.size(); ++c) {
        const QString list = c == 0 ? QStringLiteral("List2") : QStringLiteral("List1_%1").arg(c);
        QCOMPARE(items(*summary, list), QStringList({row[c], QString()}));
    }
}

void MainWindowTest::startTwiceEmptiesTheListsAndAddsASecondBlockAndRow() {
    Program program;
    click(program.form, QStringLiteral("Command2"));
    const QStringList firstRates = items(program.form, QStringLiteral("List1_3"));
    click(program.form, QStringLiteral("Command2"));

    QCOMPARE(items(program.form, QStringLiteral("List1_0")), numbersFrom1To(5));
    QCOMPARE(items(program.form, QStringLiteral("List1_3")).size(), firstRates.size());
    QCOMPARE(resultsFileLines(program.platform, kDefaultAnswer).size(), 2 * 28);
    QCOMPARE(program.runs(), 2);
    click(program.form, QStringLiteral("Command4"));
    QCOMPARE(items(*program.form.summaryWindow(), QStringLiteral("List1_1")),
             QStringList({QStringLiteral("3"), QString(), QStringLiteral("3"), QString()}));
}

void MainWindowTest::theSixteenthRunIsWrittenButAddsNoRow() {
    Program program;
    for (int run = 1; run <= 16; ++run) click(program.form, QStringLiteral("Command2"));
    QCOMPARE(program.runs(), 15);
    QCOMPARE(resultsFileLines(program.platform, kDefaultAnswer).size(), 16 * 28);
    click(program.form, QStringLiteral("Command4"));
    // Fifteen rows, an empty item between two rows and none after the last.
    const QStringList experiments = items(*program.form.summaryWindow(), QStringLiteral("List2"));
    QCOMPARE(experiments.size(), 15 + 14);
    QCOMPARE(experiments.last(), QStringLiteral("1"));
}

void MainWindowTest::refusedInputShowsItsMessageAndChangesNothing_data() {
    QTest::addColumn<bool>("afterARun");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString classes = QStringLiteral("Ο αριθμός τάξεων R πρέπει να είναι 2, 3 ή 4.");
    auto population = [](const char* heading) {
        return QStringLiteral("Ο πληθυσμός ") + QString::fromLatin1(heading) +
               QStringLiteral(" πρέπει να είναι ακέραιος από 1 έως 32767.");
    };
    QTest::newRow("R of 5") << false << "Text1"
                            << "5" << classes;
    QTest::newRow("R empty") << false << "Text1"
                             << "" << classes;
    QTest::newRow("N2 of 0") << true << "Text2_1"
                             << "0" << population("N2");
    QTest::newRow("N3 too large") << true << "Text2_2"
                                  << "32768" << population("N3");
}

void MainWindowTest::refusedInputShowsItsMessageAndChangesNothing() {
    QFETCH(bool, afterARun);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Program program;
    const Form1& form = program.form;
    if (afterARun) click(form, QStringLiteral("Command2"));
    const QStringList rates = items(form, QStringLiteral("List1_1"));
    const QString output = textOf(form, QStringLiteral("Text4"));
    const int fileLines =
        static_cast<int>(resultsFileLines(program.platform, kDefaultAnswer).size());
    const std::size_t prompts = program.platform.prompts().size();
    const std::size_t messages = program.platform.messages().size();

    typeInto(form, field, text);
    click(form, QStringLiteral("Command2"));

    QCOMPARE(program.platform.messages().size(), messages + 1);
    const auto& shown = program.platform.messages().back();
    QCOMPARE(shown.text, message);
    QCOMPARE(shown.title, QStringLiteral("Σφάλμα"));
    QCOMPARE(shown.icon, orven::MessageIcon::Warning);
    QCOMPARE(program.platform.prompts().size(), prompts);
    QCOMPARE(resultsFileLines(program.platform, kDefaultAnswer).size(), fileLines);
    QCOMPARE(program.runs(), afterARun ? 1 : 0);
    QCOMPARE(items(form, QStringLiteral("List1_1")), rates);
    QCOMPARE(textOf(form, QStringLiteral("Text4")), output);
    if (!afterARun) QVERIFY(!isShown(form, QStringLiteral("Text2_0")));
}

void MainWindowTest::anUnwritableFileIsReportedAndTheListsAreStillFilled() {
    Program program;
    program.platform.answer(QStringLiteral("no such folder/run"));
    click(program.form, QStringLiteral("Command2"));

    const auto& error = program.platform.messages().back();
    QCOMPARE(error.title, QStringLiteral("Σφάλμα"));
    QVERIFY(error.text.startsWith(
        QStringLiteral("Δεν ήταν δυνατή η αποθήκευση των αποτελεσμάτων στο αρχείο")));
    QVERIFY(error.text.contains(QStringLiteral("no such folder/run.txt")));
    QCOMPARE(items(program.form, QStringLiteral("List1_0")), numbersFrom1To(5));
    QCOMPARE(items(program.form, QStringLiteral("List1_3")).size(), 6);
    QVERIFY(!textOf(program.form, QStringLiteral("Text4")).isEmpty());
    QCOMPARE(program.runs(), 1);
}

void MainWindowTest::aPopulationEditAfterARunRedoesSetUpOnly() {
    Program program;
    click(program.form, QStringLiteral("Command2"));
    const QStringList states = items(program.form, QStringLiteral("List1_0"));
    const QStringList rates = items(program.form, QStringLiteral("List1_2"));
    const QString output = textOf(program.form, QStringLiteral("Text4"));

    typeInto(program.form, QStringLiteral("Text2_0"), QStringLiteral("7"));

    const auto& state = program.form.solver().state();
    QCOMPARE(state.N[1], 7);
    QCOMPARE(state.Nmax, 7);
    QCOMPARE(state.iter, 0);
    QCOMPARE(items(program.form, QStringLiteral("List1_0")), states);
    QCOMPARE(items(program.form, QStringLiteral("List1_2")), rates);
    QCOMPARE(textOf(program.form, QStringLiteral("Text4")), output);
    QCOMPARE(program.platform.prompts().size(), 1u);
    QCOMPARE(program.runs(), 1);

    click(program.form, QStringLiteral("Command2"));
    QCOMPARE(items(program.form, QStringLiteral("List1_0")), numbersFrom1To(7));
}

void MainWindowTest::theListsFollowTheNumberOfClasses_data() {
    QTest::addColumn<QString>("R");
    QTest::addColumn<QString>("heading");
    const QString full =
        QStringLiteral("   n(r)           Χ1(n)          Χ2(n)         Χ3(n)          X4(n)");
    QTest::newRow("2 classes") << "2" << QStringLiteral("   n(r)           Χ1(n)          Χ2(n)");
    QTest::newRow("3 classes") << "3" << full;
    QTest::newRow("4 classes") << "4" << full;
}

void MainWindowTest::theListsFollowTheNumberOfClasses() {
    QFETCH(QString, R);
    QFETCH(QString, heading);
    Program program;
    typeInto(program.form, QStringLiteral("Text1"), R);
    click(program.form, QStringLiteral("Command2"));

    const int classes = R.toInt();
    QCOMPARE(textOf(program.form, QStringLiteral("Label4")), heading);
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(isShown(program.form, QStringLiteral("Text2_%1").arg(k)), k < classes);
        if (k == 0) continue;
        const QString list = QStringLiteral("List1_%1").arg(k);
        QCOMPARE(isShown(program.form, list), k <= classes);
        QCOMPARE(items(program.form, list).size(), k <= classes ? 6 : 0);
    }
}

void MainWindowTest::theCursorIsBusyOnlyWhileComputing() {
    CursorWatchingPlatform platform;
    Form1 form(platform);
    form.show();
    click(form, QStringLiteral("Command2"));
    QVERIFY(platform.draws > 0);
    QVERIFY(platform.busyAtEveryDraw);
    QVERIFY(!platform.busyAtAMessageOrPrompt);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void MainWindowTest::aFailedRunLeavesNoOutputShown() {
    Program program;
    click(program.form, QStringLiteral("Command2"));
    QVERIFY(!textOf(program.form, QStringLiteral("Text4")).isEmpty());
    for (int k = 0; k < 3; ++k) {
        typeInto(program.form, QStringLiteral("Text2_%1").arg(k), QStringLiteral("400"));
    }
    // No input drives the iteration into values that are not finite any more; a generator
    // that hands out a NaN for x(1, 0) still does.
    program.platform.scriptUniforms({std::numeric_limits<float>::quiet_NaN()});
    click(program.form, QStringLiteral("Command2"));

    QCOMPARE(program.platform.messages().back().text,
             QStringLiteral("Η επανάληψη απέτυχε: οι τιμές έπαψαν να είναι πεπερασμένες."));
    QCOMPARE(textOf(program.form, QStringLiteral("Text4")), QString());
    QVERIFY(items(program.form, QStringLiteral("List1_0")).isEmpty());
    QCOMPARE(program.runs(), 1);
    QCOMPARE(resultsFileLines(program.platform, kDefaultAnswer).size(), 28);
}

void MainWindowTest::exitClosesEveryWindow() {
    Program program;
    click(program.form, QStringLiteral("Command1"));
    click(program.form, QStringLiteral("Command4"));
    QVERIFY(program.form.experimentWindow()->isVisible());
    QVERIFY(program.form.summaryWindow()->isVisible());

    click(program.form, QStringLiteral("Command3"));
    QVERIFY(!program.form.isVisible());
    QVERIFY(!program.form.experimentWindow()->isVisible());
    QVERIFY(program.form.summaryWindow() == nullptr);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
