// orven-bench: Google Benchmark's options apply (--benchmark_filter=, --benchmark_out=, ...).
// Windows are measured on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <iostream>

#include "orven/vector_state.h"
#include "ratio_report.h"

namespace {

// The offscreen platform warns that it cannot raise windows or pass on size hints, once per
// window shown; that says nothing about what is measured.
void quietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    std::cerr << qPrintable(qFormatLogMessage(type, context, message)) << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietOffscreenWarnings);
    QApplication application(argc, argv);
    // Every benchmark starts as a computation started from a window does (see vector_state.h).
    orven::clearUpperVectorState();

    orven::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios(std::cout);
    benchmark::Shutdown();
    return 0;
}
