#include "sweep_plot_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

namespace orven::batch {

namespace {

ui::SweepPlotOutcome failed(const QFileDevice& file) {
    return {false, file.errorString()};
}

ui::SweepPlotOutcome writeWhole(const QString& path, const QByteArray& bytes) {
    // A file written beside a device and renamed over it would take the device's place.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly) || device.write(bytes) != bytes.size() ||
            !device.flush())
            return failed(device);
        return {true, {}};
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        const ui::SweepPlotOutcome outcome = failed(file);
        file.cancelWriting();
        return outcome;
    }
    if (!file.commit()) return failed(file);
    return {true, {}};
}

}  // namespace

ui::SweepPlotOutcome writeSweepPlot(const plots::SweepTable& table, const QString& path) {
    const QTemporaryDir folder;
    if (!folder.isValid()) return {false, folder.errorString()};
    // The same ending, for the same format.
    const QString drawn = folder.filePath(QStringLiteral("plot.") + QFileInfo(path).suffix());
    const ui::SweepPlotOutcome outcome = ui::plotSweep(table, drawn);
    if (!outcome.ok) return outcome;
    QFile picture(drawn);
    if (!picture.open(QIODevice::ReadOnly)) return failed(picture);
    return writeWhole(path, picture.readAll());
}

}  // namespace orven::batch
