// orven-sim-simple's plots window after a run, read as a user reads it.
#include <QTest>

#include "exact_solve_probe.h"
#include "orven/exact/experiment_rates.h"
#include "orven/exact/simple_network.h"
#include "orven/number_text.h"
#include "orven/ui/simple_sim/form1.h"
#include "plots_probe.h"
#include "scripted_platform.h"

using orven::testing::click;
using orven::testing::control;
using orven::testing::drawnDistribution;
using orven::testing::items;
using orven::ui::ExactValueLabel;

class PlotsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void aDefaultRunPlotsEachQueueAsTheResultsWindowShowsItBesideTheExactSolution();
    void theExactValuesAreThoseOfTheExactValueBesideXSolvedOncePerRun();
};

void PlotsWindowTest::aDefaultRunPlotsEachQueueAsTheResultsWindowShowsItBesideTheExactSolution() {
    orven::testing::ScriptedPlatform platform;
    orven::simple_sim::Form1 form(platform);
    form.show();
    click(form, QStringLiteral("Command1"));
    click(form, QStringLiteral("Command5"));
    orven::ui::PlotsWindow& plots = form.plotsWindow();
    QVERIFY(plots.isVisible());
    QVERIFY(orven::testing::exactValuesArrive(plots));

    const auto exact = orven::exact::solveSimpleNetwork(
        {5, 5, 5}, orven::exact::simpleSimulatorRates(0, {5, 5, 5}));
    const auto& estimates = form.simulator().estimates();
    QVERIFY(estimates.intervals.has_value());
    QCOMPARE(plots.content().distributions.size(), 3u);
    for (int k = 1; k <= 3; ++k) {
        const auto drawn = drawnDistribution(plots, k - 1);
        QCOMPARE(drawn.title, QStringLiteral("Κατανομή: ουρά n%1").arg(k));
        const QStringList shown = items(form.resultsWindow(), QStringLiteral("List1_%1").arg(k));
        QCOMPARE(drawn.bars.size(), 6u);
        QCOMPARE(drawn.markers.size(), 6u);
        QCOMPARE(drawn.whiskers.size(), 6u);
        for (int n = 0; n <= 5; ++n) {
            QCOMPARE(orven::displayForm(drawn.bars[n]), shown[n]);
            QVERIFY(qAbs(drawn.markers[n].y() - exact.P(k, n)) < 1e-12);
            // Each bar's whisker spans the 95 % interval of its own estimate.
            const double h = *estimates.halfWidthP(k, n);
            QVERIFY(h > 0 || drawn.bars[n] == 0);
            QCOMPARE(drawn.whiskers[n].x, n);
            QVERIFY(qAbs(drawn.whiskers[n].high - (drawn.bars[n] + h)) < 1e-12);
            QVERIFY(qAbs(drawn.whiskers[n].low - std::max(0.0, drawn.bars[n] - h)) < 1e-12);
        }
    }
}

void PlotsWindowTest::theExactValuesAreThoseOfTheExactValueBesideXSolvedOncePerRun() {
    orven::testing::ScriptedPlatform platform;
    orven::simple_sim::Form1 form(platform);
    form.show();
    orven::testing::ExactSolveProbe probe;
    auto* exactValue = control<ExactValueLabel>(form.resultsWindow(), QStringLiteral("ExactValue"));
    exactValue->setSolve(probe.solve());
    orven::ui::PlotsWindow& plots = form.plotsWindow();

    // The plots are not looked at during the run; opened once the exact value beside X is
    // there, they show its solution and solve nothing of their own.
    click(form, QStringLiteral("Command1"));
    QVERIFY(QTest::qWaitFor([&] { return exactValue->reference().has_value(); }, 60000));
    click(form, QStringLiteral("Command5"));
    QVERIFY(orven::testing::exactValuesArrive(plots));
    QTest::qWait(50);
    QCOMPARE(probe.solves(), 1);
    for (int k = 1; k <= 3; ++k) {
        const auto drawn = drawnDistribution(plots, k - 1);
        const auto& marginal = exactValue->reference()->marginals[static_cast<std::size_t>(k - 1)];
        QCOMPARE(drawn.markers.size(), 6u);
        for (std::size_t n = 0; n < drawn.markers.size(); ++n)
            QCOMPARE(drawn.markers[n].y(), marginal[n]);
    }

    // The next run, with the plots on show: one more solve, and its values as they come.
    click(form, QStringLiteral("Command1"));
    QVERIFY(orven::testing::exactValuesArrive(plots));
    QTest::qWait(50);
    QCOMPARE(probe.solves(), 2);
    QCOMPARE(drawnDistribution(plots, 0).markers.front().y(),
             exactValue->reference()->marginals[0][0]);
}

QTEST_MAIN(PlotsWindowTest)
#include "plots_window_test.moc"
