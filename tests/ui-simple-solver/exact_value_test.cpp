// The exact value under the solver's output, as a user meets it: computed beside the window
// while it stays usable, with the deviation of S from it, or why there is none.
#include <QRegularExpression>
#include <QSignalSpy>
#include <QThreadPool>
#include <QtTest>
#include <atomic>
#include <chrono>
#include <thread>

#include "orven/ui/exact_value_label.h"
#include "program.h"

using namespace Qt::StringLiterals;
using orven::testing::click;
using orven::testing::control;
using orven::testing::Program;
using orven::testing::textOf;
using orven::testing::typeInto;
using orven::ui::ExactValueLabel;

namespace {

constexpr int kTimeout = 20000;

// Numbers as the C locale writes them, whatever the machine's.
QString exactLine(const Program& program) {
    static const QRegularExpression decimalComma(u"(\\d),(\\d)"_s);
    return textOf(program.form, u"ExactValue"_s).replace(decimalComma, u"\\1.\\2"_s);
}

// A solve that waits until it is released or stopped, so that a test can act while the exact
// value is being computed.
struct HeldSolve {
    std::atomic<bool> released{false};
    std::atomic<int> stopped{0};

    ExactValueLabel::Solve solve() {
        return [this](const orven::exact::Model& model, const std::atomic<bool>* stop) {
            while (!released) {
                if (stop->load()) {
                    ++stopped;
                    throw orven::exact::Cancelled{};
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            return orven::exact::solveModel(model, stop);
        };
    }
    ~HeldSolve() {
        released = true;
        QThreadPool::globalInstance()->waitForDone();
    }
};

}  // namespace

class ExactValueTest : public QObject {
    Q_OBJECT

  private slots:
    void aRunShowsTheExactValueAndTheDeviationOfS();
    void aModelAboveTheSizeBoundShowsWhyThereIsNone();
    void theWindowAnswersWhileTheValueIsComputedAndANewRunStopsIt();
};

void ExactValueTest::aRunShowsTheExactValueAndTheDeviationOfS() {
    Program program;
    program.start();
    // The method is 3.5 % below the truth at N = (5, 5, 5).
    QTRY_COMPARE_WITH_TIMEOUT(exactLine(program), u"Ακριβής τιμή: 0.8638 (απόκλιση −3.5 %)"_s,
                              kTimeout);
}

void ExactValueTest::aModelAboveTheSizeBoundShowsWhyThereIsNone() {
    Program program;
    program.start();
    for (int k = 0; k < 3; ++k) typeInto(program.form, u"Text2_"_s + QString::number(k), u"500"_s);
    program.start();
    QTRY_COMPARE_WITH_TIMEOUT(exactLine(program),
                              u"Ακριβής τιμή: δεν υπολογίζεται· περισσότερες από "_s +
                                  QString::number(orven::exact::kMaxStates) + u" καταστάσεις."_s,
                              kTimeout);
}

void ExactValueTest::theWindowAnswersWhileTheValueIsComputedAndANewRunStopsIt() {
    Program program;
    HeldSolve held;
    auto* label = control<ExactValueLabel>(program.form, u"ExactValue"_s);
    label->setSolve(held.solve());
    const QSignalSpy shown(label, &ExactValueLabel::finished);

    program.start();
    QCOMPARE(textOf(program.form, u"ExactValue"_s), u"Ακριβής τιμή: υπολογίζεται…"_s);
    // The summary window opens at a click, the exact value still on its way.
    QWidget& summary = program.openSummaryWindow();
    QVERIFY(summary.isVisible());
    QVERIFY(label->computing());

    // A second run stops the first computation, whose answer never shows.
    program.start();
    QTRY_COMPARE_WITH_TIMEOUT(held.stopped.load(), 1, kTimeout);
    QCOMPARE(textOf(program.form, u"ExactValue"_s), u"Ακριβής τιμή: υπολογίζεται…"_s);
    held.released = true;
    QTRY_VERIFY_WITH_TIMEOUT(!label->computing(), kTimeout);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(exactLine(program), u"Ακριβής τιμή: 0.8638 (απόκλιση −3.5 %)"_s);
}

QTEST_MAIN(ExactValueTest)
#include "exact_value_test.moc"
