// orven-simple's plots window after its runs, read as a user reads it.
#include <QLineSeries>
#include <QTest>

#include "exact_solve_probe.h"
#include "orven/exact/experiment_rates.h"
#include "orven/exact/simple_network.h"
#include "orven/ui/plots/convergence_chart.h"
#include "plots_probe.h"
#include "program.h"

using orven::testing::click;
using orven::testing::drawnDistribution;
using orven::testing::Program;
using orven::testing::typeInto;

class PlotsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void aDefaultRunPlotsEveryClassBesideTheExactSolutionAndTracesTheIteration();
    void aRefusedStartLeavesTheLastRunsPlots();
    void theExactValuesAreThoseOfTheExactValueBesideSSolvedOncePerRun();
};

void PlotsWindowTest::aDefaultRunPlotsEveryClassBesideTheExactSolutionAndTracesTheIteration() {
    Program program;
    program.start();
    click(program.form, QStringLiteral("Command5"));
    orven::ui::PlotsWindow& plots = program.form.plotsWindow();
    QVERIFY(plots.isVisible());
    QVERIFY(orven::testing::exactValuesArrive(plots));

    const auto& state = program.form.solver().state();
    const auto exact = orven::exact::solveSimpleNetwork(
        {5, 5, 5}, orven::exact::simpleSimulatorRates(0, {5, 5, 5}));
    QCOMPARE(plots.content().distributions.size(), 3u);
    for (int i = 1; i <= 3; ++i) {
        const auto drawn = drawnDistribution(plots, i - 1);
        QCOMPARE(drawn.title, QStringLiteral("Κατανομή: τάξη %1").arg(i));
        QCOMPARE(drawn.bars.size(), 6u);
        QCOMPARE(drawn.markers.size(), 6u);
        for (int n = 0; n <= 5; ++n) {
            QCOMPARE(drawn.bars[n], state.P(i, n));
            QCOMPARE(drawn.markers[n].x(), n);
            QVERIFY(qAbs(drawn.markers[n].y() - exact.P(i, n)) < 1e-12);
        }
    }

    const orven::ui::ConvergenceChart& trace = *plots.convergenceChart();
    QCOMPARE(trace.errors().count(), state.iter);
    QCOMPARE(trace.outputs().count(), state.iter);
    for (int k = 1; k <= state.iter; ++k) {
        QCOMPARE(trace.errors().at(k - 1), QPointF(k, state.err[k]));
        QCOMPARE(trace.outputs().at(k - 1), QPointF(k, state.S[k]));
    }
}

void PlotsWindowTest::aRefusedStartLeavesTheLastRunsPlots() {
    Program program;
    program.start();
    const auto before = program.form.plotsWindow().content().distributions;
    // The edit sets the model up again at once; the start that follows is refused.
    typeInto(program.form, QStringLiteral("Text2_1"), QStringLiteral("0"));
    program.start();
    QCOMPARE(program.platform.messages().back().title, QStringLiteral("Σφάλμα"));
    QCOMPARE(program.form.plotsWindow().content().distributions.size(), before.size());
    QCOMPARE(program.form.plotsWindow().content().distributions[1].values, before[1].values);
}

void PlotsWindowTest::theExactValuesAreThoseOfTheExactValueBesideSSolvedOncePerRun() {
    Program program;
    orven::testing::ExactSolveProbe probe;
    auto* exactValue = orven::testing::control<orven::ui::ExactValueLabel>(
        program.form, QStringLiteral("ExactValue"));
    exactValue->setSolve(probe.solve());
    click(program.form, QStringLiteral("Command5"));
    orven::ui::PlotsWindow& plots = program.form.plotsWindow();

    // Two classes of 3 and 4 jobs: every class's markers come from the one solve beside S.
    typeInto(program.form, QStringLiteral("Text1"), QStringLiteral("2"));
    typeInto(program.form, QStringLiteral("Text2_0"), QStringLiteral("3"));
    typeInto(program.form, QStringLiteral("Text2_1"), QStringLiteral("4"));
    program.start();
    QVERIFY(orven::testing::exactValuesArrive(plots));
    QTest::qWait(50);
    QCOMPARE(probe.solves(), 1);
    QCOMPARE(plots.content().distributions.size(), 2u);
    for (int i = 1; i <= 2; ++i) {
        const auto drawn = drawnDistribution(plots, i - 1);
        const auto& marginal = exactValue->reference()->marginals[static_cast<std::size_t>(i - 1)];
        QCOMPARE(drawn.markers.size(), static_cast<std::size_t>(i + 3));
        for (std::size_t n = 0; n < drawn.markers.size(); ++n)
            QCOMPARE(drawn.markers[n].y(), marginal[n]);
    }
}

QTEST_MAIN(PlotsWindowTest)
#include "plots_window_test.moc"
