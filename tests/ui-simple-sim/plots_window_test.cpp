// orven-sim-simple's plots window after a run, read as a user reads it.
#include <QTest>

#include "orven/exact/experiment_rates.h"
#include "orven/exact/simple_network.h"
#include "orven/number_text.h"
#include "orven/ui/simple_sim/form1.h"
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
    QCOMPARE(plots.content().distributions.size(), 3u);
    for (int k = 1; k <= 3; ++k) {
        const auto drawn = drawnDistribution(plots, k - 1);
        QCOMPARE(drawn.title, QStringLiteral("Κατανομή: ουρά n%1").arg(k));
        const QStringList shown = items(form.resultsWindow(), QStringLiteral("List1_%1").arg(k));
        QCOMPARE(drawn.bars.size(), 6u);
        QCOMPARE(drawn.markers.size(), 6u);
        for (int n = 0; n <= 5; ++n) {
            QCOMPARE(orven::displayForm(drawn.bars[n]), shown[n]);
            QVERIFY(qAbs(drawn.markers[n].y() - exact.P(k, n)) < 1e-12);
        }
    }
}

QTEST_MAIN(PlotsWindowTest)
#include "plots_window_test.moc"
