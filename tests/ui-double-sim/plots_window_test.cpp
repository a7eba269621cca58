// orven-sim's plots window after a run, read as a user reads it: the queues in the order and
// under the names of the diagram and the results window, then queues n2 and n4 together.
#include <QTest>

#include "orven/double_sim/engine.h"
#include "orven/exact/double_network.h"
#include "orven/exact/experiment_rates.h"
#include "orven/number_text.h"
#include "orven/ui/double_sim/form1.h"
#include "plots_probe.h"
#include "scripted_platform.h"

using orven::testing::click;
using orven::testing::drawnDistribution;
using orven::testing::items;

class PlotsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void aDefaultRunPlotsEachQueueAsTheResultsWindowShowsItBesideTheExactSolution();
};

namespace {

// Each bar's whisker spans the 95 % interval of its own estimate, row `row` of the estimates.
void checkWhiskers(const orven::testing::DrawnDistribution& drawn,
                   const orven::double_sim::Estimates& estimates, int row) {
    QCOMPARE(drawn.whiskers.size(), drawn.bars.size());
    for (std::size_t n = 0; n < drawn.bars.size(); ++n) {
        const double h = *estimates.halfWidthP(row, static_cast<int>(n));
        QCOMPARE(drawn.whiskers[n].x, static_cast<double>(n));
        QVERIFY(qAbs(drawn.whiskers[n].high - (drawn.bars[n] + h)) < 1e-12);
    }
}

}  // namespace

void PlotsWindowTest::aDefaultRunPlotsEachQueueAsTheResultsWindowShowsItBesideTheExactSolution() {
    orven::testing::ScriptedPlatform platform;
    orven::double_sim::Form1 form(platform);
    form.show();
    click(form, QStringLiteral("Command1"));
    click(form, QStringLiteral("Command5"));
    orven::ui::PlotsWindow& plots = form.plotsWindow();
    QVERIFY(orven::testing::exactValuesArrive(plots));

    const std::vector<int> N{5, 5, 5, 5};
    const auto exact =
        orven::exact::solveDoubleNetwork(N, orven::exact::doubleSimulatorRates(0, N));
    // The diagram calls queue 5 n4 and queue 4 n5.
    const int queues[] = {1, 2, 3, 5, 4, 6};
    QCOMPARE(plots.content().distributions.size(), 7u);
    for (int s = 0; s < 6; ++s) {
        const int queue = queues[s];
        const auto drawn = drawnDistribution(plots, s);
        QCOMPARE(drawn.title, QStringLiteral("Κατανομή: ουρά n%1").arg(s + 1));
        const QStringList shown =
            items(form.resultsWindow(), QStringLiteral("List1_%1").arg(queue));
        QCOMPARE(drawn.bars.size(), 6u);
        QCOMPARE(drawn.markers.size(), 6u);
        for (int n = 0; n <= 5; ++n) {
            QCOMPARE(orven::displayForm(drawn.bars[n]), shown[n]);
            QVERIFY(qAbs(drawn.markers[n].y() - exact.P(queue, n)) < 1e-12);
        }
        checkWhiskers(drawn, form.simulator().estimates(), queue);
    }

    const auto together = drawnDistribution(plots, 6);
    QCOMPARE(together.title, QStringLiteral("Κατανομή: ουρές n2 και n4 μαζί"));
    const auto p24 = form.simulator().estimates().p24();
    QCOMPARE(together.bars.size(), p24.size());
    for (std::size_t m = 0; m < p24.size(); ++m) {
        QCOMPARE(together.bars[m], p24[m].toDouble());
        QVERIFY(qAbs(together.markers[m].y() - exact.sumOfQueues2And5[m]) < 1e-12);
    }
    checkWhiskers(together, form.simulator().estimates(), orven::double_sim::kSumRow);
}

QTEST_MAIN(PlotsWindowTest)
#include "plots_window_test.moc"
