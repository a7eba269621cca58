#include "orven/ui/plots/chart_export.h"

#include <QBuffer>
#include <QChart>
#include <QClipboard>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMimeData>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace orven::ui {

namespace {

QSize pixelSize(const QChart& chart) {
    return chart.size().toSize();
}

// Paints the chart through its scene, so that items placed over it (the whiskers) come too.
void paintChart(QChart& chart, QPainter& painter, const QSize& size) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    chart.scene()->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)), chart.sceneBoundingRect());
}

void writeSvg(QChart& chart, QIODevice& device) {
    const QSize size = pixelSize(chart);
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(chart.title());
    QPainter painter(&generator);
    paintChart(chart, painter, size);
}

}  // namespace

QImage chartImage(QChart& chart) {
    QImage image(pixelSize(chart), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintChart(chart, painter, image.size());
    return image;
}

QByteArray chartSvg(QChart& chart) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeSvg(chart, buffer);
    return buffer.data();
}

ChartWriteOutcome writeChart(QChart& chart, const QString& path) {
    // Written whole or not at all: a failed save leaves an earlier file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {false, file.errorString()};
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        writeSvg(chart, file);
    } else {
        QImageWriter writer(&file, "png");
        if (!writer.write(chartImage(chart))) {
            file.cancelWriting();
            return {false, writer.errorString()};
        }
    }
    if (!file.commit()) return {false, file.errorString()};
    return {true, {}};
}

void copyChart(QChart& chart) {
    auto* data = new QMimeData;
    data->setImageData(chartImage(chart));
    data->setData(QStringLiteral("image/svg+xml"), chartSvg(chart));
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace orven::ui
