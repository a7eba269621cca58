// orven's plots window after a run, read as a user reads it.
#include <QLineSeries>
#include <QTest>

#include "orven/exact/simple_network.h"
#include "orven/ui/plots/convergence_chart.h"
#include "plots_probe.h"
#include "program.h"

using orven::testing::click;
using orven::testing::drawnDistribution;
using orven::testing::Program;

class PlotsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void aDefaultRunPlotsTheReducedClassesBesideTheirExactSolution();
};

void PlotsWindowTest::aDefaultRunPlotsTheReducedClassesBesideTheirExactSolution() {
    Program program;
    program.start();
    click(program.form, QStringLiteral("Command7"));
    orven::ui::PlotsWindow& plots = program.form.plotsWindow();
    QVERIFY(orven::testing::exactValuesArrive(plots));

    // The reduced network of the defaults: classes 1', 2', 5', 3' of 10, 5, 5 and 5 jobs, with
    // the equivalent station's rates in class 1'. Solved exactly, it is what the aggregation
    // approximates.
    const auto& state = program.form.solver().state();
    const std::vector<int> N{10, 5, 5, 5};
    orven::exact::RateTable rates;
    for (int i = 1; i <= 4; ++i) {
        rates.emplace_back();
        for (int n = 0; n < N[i - 1]; ++n) rates.back().push_back(state.mu(i, n));
    }
    const auto exact = orven::exact::solveSimpleNetwork(N, rates);

    const QStringList names{QStringLiteral("τάξη 1' (σταθμοί 1 και 4)"), QStringLiteral("τάξη 2'"),
                            QStringLiteral("τάξη 5'"), QStringLiteral("τάξη 3'")};
    QCOMPARE(plots.content().distributions.size(), 4u);
    for (int i = 1; i <= 4; ++i) {
        const auto drawn = drawnDistribution(plots, i - 1);
        QCOMPARE(drawn.title, QStringLiteral("Κατανομή: ") + names[i - 1]);
        const auto points = static_cast<std::size_t>(N[i - 1]) + 1;
        QCOMPARE(drawn.bars.size(), points);
        QCOMPARE(drawn.markers.size(), points);
        for (std::size_t n = 0; n < points; ++n) {
            QCOMPARE(drawn.bars[n], state.P(i, static_cast<int>(n)));
            QVERIFY(qAbs(drawn.markers[n].y() - exact.P(i, static_cast<int>(n))) < 1e-12);
        }
    }
    QCOMPARE(plots.convergenceChart()->errors().count(), state.iter);
}

QTEST_MAIN(PlotsWindowTest)
#include "plots_window_test.moc"
