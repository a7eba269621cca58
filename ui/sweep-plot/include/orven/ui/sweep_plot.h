#pragma once

#include <QSize>
#include <QString>

#include "orven/plots/sweep_table.h"

namespace orven::ui {

// How writing a sweep plot ended.
struct SweepPlotOutcome {
    bool ok = false;
    QString reason;  // why not, when !ok
};

// Draws a sweep's main output against its first varying input, one line per curve with its
// 95 % error bars where it has half-widths and its exact values as a dashed second line where
// it has them, and writes it to `path`: SVG when the name ends in ".svg", PNG otherwise.
// Works without a display: when the program has no application object yet, one is made for
// the drawing on Qt's offscreen platform. A program with a QCoreApplication of its own cannot
// draw (Qt Charts needs Qt Widgets) and gets the reason.
SweepPlotOutcome plotSweep(const plots::SweepTable& table, const QString& path,
                           QSize size = QSize(900, 600));

}  // namespace orven::ui
