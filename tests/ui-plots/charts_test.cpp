// The plots' charts, their files and the clipboard, and what a plots window does with the figures
// it is given, on the offscreen platform.
#include <QBarSet>
#include <QChartView>
#include <QClipboard>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMimeData>
#include <QScatterSeries>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>
#include <atomic>

#include "orven/exact/model.h"
#include "orven/ui/exact_value_label.h"
#include "orven/ui/plots/convergence_chart.h"
#include "orven/ui/plots/distribution_chart.h"
#include "orven/ui/plots/error_bars.h"
#include "orven/ui/plots/plots_window.h"
#include "orven/ui/sweep_chart.h"
#include "scripted_platform.h"
#include "svg_text.h"
#include "window_driver.h"

using namespace Qt::StringLiterals;
using orven::plots::PlotContent;
using orven::plots::PlotSeries;
using orven::testing::click;
using orven::testing::ScriptedPlatform;
using orven::testing::textOf;
using orven::ui::PlotsWindow;

namespace {

QStringList legendNames(QChart& chart) {
    // The legend lays itself out on a later round of events.
    QCoreApplication::processEvents();
    QStringList names;
    for (QLegendMarker* marker : chart.legend()->markers())
        if (marker->isVisible()) names << marker->label();
    return names;
}

PlotContent oneQueue(std::vector<double> values) {
    return {{PlotSeries{u"ουρά n1"_s, std::move(values), {}, {}}}, {}};
}

std::unique_ptr<PlotsWindow> shownWindow(ScriptedPlatform& platform, bool convergence = false) {
    auto window = std::make_unique<PlotsWindow>(
        orven::ui::PlotsWindowSetup{u"Form3"_s, u"Ουρά:"_s, u"Εκτίμηση"_s, u"Ακριβής τιμή"_s,
                                    convergence},
        platform);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) qFatal("the plots window was not shown");
    return window;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ChartsTest : public QObject {
    Q_OBJECT

  private slots:
    void aDistributionShowsOnlyTheFiguresItHas();
    void aSavedChartKeepsItsTextsAsTextAndItsSize();
    void aCopiedChartIsOnTheClipboardAsPictureAndSvg();
    void theTraceHasAPointPerIterationAndAnErrorOfZeroStillShows();
    void aHiddenWindowNeitherDrawsNorComputesAndAnAnswerKeepsToItsRun();
    void halfWidthsGivenLaterDrawWhiskersAndARefusalIsSaid();
    void theExactValueFollowedServesTheRunItWasHandedOrSaysWhyNot();
    void printingGoesToThePlatformAndEscapeCloses();
    void aSweepOfTenPointsWithExactValuesDrawsTwoSeriesOfTenPoints();
};

void ChartsTest::aDistributionShowsOnlyTheFiguresItHas() {
    orven::ui::DistributionChart chart(u"Εκτίμηση"_s, u"Ακριβής τιμή"_s);
    QChartView view(&chart);
    view.resize(600, 400);
    view.show();

    chart.showSeries({u"ουρά n2"_s,
                      {0.02, 0.5, 0.48},
                      std::vector<double>{0.03, 0.01, 0.01},
                      std::vector<double>{0.01, 0.49, 0.5}});
    QCOMPARE(chart.title(), u"Κατανομή: ουρά n2"_s);
    QCOMPARE(chart.estimates().count(), 3);
    QCOMPARE(chart.estimates().at(1), 0.5);
    QCOMPARE(chart.exactValues().points(), (QList<QPointF>{{0, 0.01}, {1, 0.49}, {2, 0.5}}));
    const auto& whiskers = chart.errorBars().intervals();
    QCOMPARE(whiskers.size(), 3u);
    // A probability is never below 0, whatever the half-width.
    QCOMPARE(whiskers[0].low, 0.0);
    QCOMPARE(whiskers[0].high, 0.05);
    QCOMPARE(whiskers[2].low, 0.47);
    QCOMPARE(legendNames(chart),
             (QStringList{u"Εκτίμηση"_s, u"Ακριβής τιμή"_s, u"Διάστημα εμπιστοσύνης 95 %"_s}));

    // The next distribution has neither: nothing of the last one's stays.
    chart.showSeries({u"ουρά n3"_s, {1.0}, {}, {}});
    QCOMPARE(chart.estimates().count(), 1);
    QVERIFY(chart.exactValues().points().isEmpty());
    QVERIFY(chart.errorBars().intervals().empty());
    QCOMPARE(legendNames(chart), QStringList{u"Εκτίμηση"_s});
    chart.showSeries({u"ουρά n1"_s, {0.5, 0.5}, {}, std::vector<double>{0.4, 0.6}});
    QCOMPARE(legendNames(chart), (QStringList{u"Εκτίμηση"_s, u"Ακριβής τιμή"_s}));

    // Too many states for a marker each: a line joins the exact values, named once.
    const std::vector<double> flat(150, 1.0 / 150);
    chart.showSeries({u"ουρά n1"_s, flat, {}, flat});
    QVERIFY(qobject_cast<QLineSeries*>(&chart.exactValues()) != nullptr);
    QCOMPARE(chart.exactValues().count(), 150);
    QCOMPARE(legendNames(chart), (QStringList{u"Εκτίμηση"_s, u"Ακριβής τιμή"_s}));
    view.setChart(new QChart);  // the chart is the test's own
}

void ChartsTest::aSavedChartKeepsItsTextsAsTextAndItsSize() {
    ScriptedPlatform platform;
    const QTemporaryDir folder;
    auto window = shownWindow(platform);
    window->showContent(oneQueue({0.25, 0.75}));
    QChart& chart = window->distributionChart();

    const QString svg = folder.filePath(u"κατανομή.svg"_s);
    platform.answerSaveFile(svg);
    click(*window, u"Command1"_s);
    QVERIFY(platform.saveFilePrompts().front().startsWith(platform.resultsFolder() + u'/'));
    const auto text = orven::testing::svgText(contentOf(svg));
    QVERIFY(text.has_value());
    for (const QString& title :
         {u"Κατανομή: ουρά n1"_s, u"Πλήθος εργασιών n"_s, u"Πιθανότητα P(n)"_s, u"Εκτίμηση"_s})
        QVERIFY2(text->contains(title), qPrintable(title));

    // A name without a known ending is saved as PNG, at the chart's size.
    platform.answerSaveFile(folder.filePath(u"κατανομή"_s));
    click(*window, u"Command1"_s);
    const QImage png(folder.filePath(u"κατανομή.png"_s));
    QVERIFY(!png.isNull());
    QCOMPARE(png.size(), chart.size().toSize());

    const QString unwritable = folder.filePath(u"λείπει/κατανομή.svg"_s);
    platform.answerSaveFile(unwritable);
    click(*window, u"Command1"_s);
    QCOMPARE(platform.messages().size(), 1u);
    QCOMPARE(platform.messages().front().title, u"Σφάλμα"_s);
    QVERIFY(platform.messages().front().text.contains(unwritable));

    // Cancelled: nothing is written and nothing said.
    click(*window, u"Command1"_s);
    QCOMPARE(platform.messages().size(), 1u);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 2);
}

void ChartsTest::aCopiedChartIsOnTheClipboardAsPictureAndSvg() {
    ScriptedPlatform platform;
    auto window = shownWindow(platform);
    window->showContent(oneQueue({0.25, 0.75}));
    QGuiApplication::clipboard()->clear();
    click(*window, u"Command2"_s);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied != nullptr);
    QCOMPARE(qvariant_cast<QImage>(copied->imageData()).size(),
             window->distributionChart().size().toSize());
    QVERIFY(orven::testing::svgText(copied->data(u"image/svg+xml"_s))
                ->contains(u"Πλήθος εργασιών n"_s));
}

void ChartsTest::theTraceHasAPointPerIterationAndAnErrorOfZeroStillShows() {
    orven::ui::ConvergenceChart chart;
    chart.showTrace({{1, 2, 3, 4}, {1.0, 0.02, 3e-5, 0.0}, {0.7, 0.9, 0.86, 0.86}});
    QCOMPARE(chart.errors().count(), 4);
    QCOMPARE(chart.outputs().count(), 4);
    QCOMPARE(chart.outputs().at(1), QPointF(2, 0.9));
    // A logarithmic axis has no 0: the last error stands at the foot of the axis.
    const double foot = chart.errors().at(3).y();
    QVERIFY(foot > 0 && foot <= 1e-15);
    const auto* axis = qobject_cast<QLogValueAxis*>(chart.axes(Qt::Vertical).front());
    QVERIFY(axis != nullptr);
    QVERIFY(axis->min() <= foot);
    QVERIFY(axis->max() >= 1.0);
}

void ChartsTest::aHiddenWindowNeitherDrawsNorComputesAndAnAnswerKeepsToItsRun() {
    ScriptedPlatform platform;
    PlotsWindow window({u"Form3"_s, u"Ουρά:"_s, u"Εκτίμηση"_s, u"Ακριβής τιμή"_s, false}, platform);
    std::atomic<int> started{0};
    QSemaphore gate;
    const auto slowJob = [&] {
        ++started;
        gate.acquire();
        return orven::plots::ExactValues{{{0.3, 0.7}}, {}};
    };

    // Nobody looks at the plots: nothing is drawn and the exact solution is not computed.
    window.showContent(oneQueue({0.25, 0.75}), slowJob);
    QTest::qWait(50);
    QCOMPARE(started.load(), 0);
    QCOMPARE(window.distributionChart().estimates().count(), 0);

    window.show();
    QCOMPARE(window.distributionChart().estimates().count(), 2);
    QVERIFY(QTest::qWaitFor([&] { return started.load() == 1; }));
    QCOMPARE(textOf(window, u"Label2"_s), u"Υπολογίζονται οι ακριβείς τιμές…"_s);
    // A newer run comes while the job still computes: its answer belongs to the older run.
    window.showContent(oneQueue({0.5, 0.5}));
    gate.release();
    QThreadPool::globalInstance()->waitForDone();
    QTest::qWait(20);
    QVERIFY(!window.content().distributions.front().exact.has_value());
    QVERIFY(window.distributionChart().exactValues().points().isEmpty());

    // The window is shown: the next run's exact values come by themselves.
    window.showContent(oneQueue({0.5, 0.5}), [] {
        return orven::plots::ExactValues{{{0.45, 0.55}}, {}};
    });
    QVERIFY(
        QTest::qWaitFor([&] { return window.content().distributions.front().exact.has_value(); }));
    QCOMPARE(window.distributionChart().exactValues().points(),
             (QList<QPointF>{{0, 0.45}, {1, 0.55}}));
    QVERIFY(textOf(window, u"Label2"_s).isEmpty());
}

void ChartsTest::halfWidthsGivenLaterDrawWhiskersAndARefusalIsSaid() {
    ScriptedPlatform platform;
    auto window = shownWindow(platform);
    PlotContent content = oneQueue({0.25, 0.75});
    content.distributions.push_back({u"ουρά n2"_s, {0.1, 0.2, 0.7}, {}, {}});
    window->showContent(content);

    window->setHalfWidths(1, {0.01, 0.02, 0.03});
    QVERIFY(window->distributionChart().errorBars().intervals().empty());  // not on show
    window->select(1);
    QCOMPARE(window->distributionChart().errorBars().intervals().size(), 3u);
    QCOMPARE(window->distributionChart().errorBars().intervals()[2].high, 0.73);

    window->setExactValues({{}, u"το μοντέλο έχει περισσότερες από 150000 καταστάσεις"_s});
    QCOMPARE(textOf(*window, u"Label2"_s),
             u"Χωρίς ακριβείς τιμές: το μοντέλο έχει περισσότερες από 150000 καταστάσεις."_s);
    // The next run starts without the figures of this one.
    window->showContent(content);
    QVERIFY(window->distributionChart().errorBars().intervals().empty());
    QCOMPARE(window->selected(), 1);
}

void ChartsTest::theExactValueFollowedServesTheRunItWasHandedOrSaysWhyNot() {
    ScriptedPlatform platform;
    auto window = shownWindow(platform);
    orven::ui::ExactValueLabel exactValue;
    QSemaphore gate;
    exactValue.setSolve([&](const orven::exact::Model&, const std::atomic<bool>*) {
        gate.acquire();
        orven::exact::Reference reference;
        reference.throughputs = {0.5};
        reference.marginals = {{0.3, 0.7}};
        return reference;
    });
    window->followExactValue(exactValue, {1});
    const orven::exact::Model model{orven::exact::Network::Simple, {1, 1}, {{1}, {1}}};

    // Handed the run first, the exact value is computed while the plots wait for it.
    exactValue.compareSimulator(model, {0.5}, {std::nullopt});
    window->showContent(oneQueue({0.25, 0.75}));
    QCOMPARE(textOf(*window, u"Label2"_s), u"Υπολογίζονται οι ακριβείς τιμές…"_s);
    gate.release();
    QVERIFY(QTest::qWaitFor([&] { return window->content().distributions[0].exact.has_value(); }));
    QCOMPARE(window->distributionChart().exactValues().points(),
             (QList<QPointF>{{0, 0.3}, {1, 0.7}}));
    QVERIFY(textOf(*window, u"Label2"_s).isEmpty());

    // A new run stops the computation of the last one: the plots no longer wait for it.
    exactValue.compareSimulator(model, {0.5}, {std::nullopt});
    window->showContent(oneQueue({0.5, 0.5}));
    exactValue.cancel();
    QVERIFY(textOf(*window, u"Label2"_s).isEmpty());
    gate.release();
    QThreadPool::globalInstance()->waitForDone();
    QTest::qWait(20);
    QVERIFY(!window->content().distributions[0].exact.has_value());

    // A run the exact solution cannot stand for: the plots say why, as the label does.
    exactValue.compareSimulator(u"η αιτία."_s, {0.5}, {std::nullopt});
    window->showContent(oneQueue({0.5, 0.5}));
    QCOMPARE(textOf(*window, u"Label2"_s), u"Χωρίς ακριβείς τιμές: η αιτία."_s);
}

void ChartsTest::printingGoesToThePlatformAndEscapeCloses() {
    ScriptedPlatform platform;
    auto window = shownWindow(platform, true);
    click(*window, u"Command5"_s);
    QCOMPARE(platform.printedWindows(), QStringList{u"Form3"_s});
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(!window->isVisible());
}

void ChartsTest::aSweepOfTenPointsWithExactValuesDrawsTwoSeriesOfTenPoints() {
    orven::plots::SweepTable table{u"S"_s, u"N1"_s, u"S"_s, {}, {}};
    orven::plots::SweepCurve curve{u"N2 = 5"_s, {}, {}, std::vector<double>{}};
    for (int n = 1; n <= 10; ++n) {
        table.x.push_back(n);
        curve.y.push_back(1.0 / n);
        curve.exact->push_back(1.1 / n);
    }
    table.curves.push_back(curve);
    orven::ui::SweepChart chart(table);
    const auto series = chart.series();
    QCOMPARE(series.size(), 2);
    for (QAbstractSeries* one : series) QCOMPARE(qobject_cast<QXYSeries*>(one)->count(), 10);
    QCOMPARE(qobject_cast<QXYSeries*>(series[1])->at(9), QPointF(10, 0.11));
    QCOMPARE(series[1]->name(), u"N2 = 5, ακριβής τιμή"_s);
}

QTEST_MAIN(ChartsTest)
#include "charts_test.moc"
