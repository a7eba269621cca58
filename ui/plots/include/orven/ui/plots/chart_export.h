#pragma once

#include <QImage>
#include <QString>

class QChart;

namespace orven::ui {

// How writing a chart to a file ended.
struct ChartWriteOutcome {
    bool ok = false;
    QString reason;  // the system's reason when !ok
};

// A picture of a chart as it stands, at its own size in pixels.
QImage chartImage(QChart& chart);

// The chart as an SVG document of its own size, its texts kept as text.
QByteArray chartSvg(QChart& chart);

// Writes a chart to a file: SVG when the name ends in ".svg", PNG otherwise. The chart must
// stand in a scene (a chart view's, or one of its own).
ChartWriteOutcome writeChart(QChart& chart, const QString& path);

// Puts the chart on the clipboard as a picture, and as SVG for the programs that take it.
void copyChart(QChart& chart);

}  // namespace orven::ui
