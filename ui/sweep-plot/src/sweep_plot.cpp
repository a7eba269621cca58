#include "orven/ui/sweep_plot.h"

#include <QApplication>
#include <QGraphicsScene>
#include <optional>

#include "orven/ui/plots/chart_export.h"
#include "orven/ui/sweep_chart.h"

namespace orven::ui {

namespace {

// The arguments of an application made for one drawing: they must outlive it.
int applicationArgc = 1;
char applicationName[] = "orven-batch";
char* applicationArgv[] = {applicationName, nullptr};

}  // namespace

SweepPlotOutcome plotSweep(const plots::SweepTable& table, const QString& path, QSize size) {
    // Declared first, so that it ends after the scene and the chart.
    std::optional<QApplication> application;
    if (QCoreApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application.emplace(applicationArgc, applicationArgv);
    } else if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return {false, QStringLiteral("plotting needs a QApplication, not a QCoreApplication")};
    }

    QGraphicsScene scene;
    auto* chart = new SweepChart(table);
    scene.addItem(chart);
    chart->resize(QSizeF(size));
    // The chart lays its axes and plot area out on the next round of events.
    QCoreApplication::processEvents();
    const ChartWriteOutcome outcome = writeChart(*chart, path);
    return {outcome.ok, outcome.reason};
}

}  // namespace orven::ui
