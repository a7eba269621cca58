// The sweep plot as orven-batch draws it: no application object, no display, no platform named.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "orven/ui/sweep_plot.h"
#include "svg_text.h"

namespace {

orven::plots::SweepTable tenPointSweep() {
    orven::plots::SweepTable table{
        QStringLiteral("Έξοδος του σταθμού"), QStringLiteral("N1"), QStringLiteral("X"), {}, {}};
    orven::plots::SweepCurve curve{
        QStringLiteral("N2 = 5"), {}, std::vector<double>{}, std::vector<double>{}};
    for (int n = 1; n <= 10; ++n) {
        table.x.push_back(n);
        curve.y.push_back(0.5 + 0.03 * n);
        curve.halfWidths->push_back(0.01);
        curve.exact->push_back(0.505 + 0.03 * n);
    }
    table.curves.push_back(curve);
    return table;
}

TEST(HeadlessSweepPlot, WritesAnSvgAndAPngWithoutADisplay) {
    // Whatever the caller's environment: without the offscreen platform this would end the
    // program for want of a display.
    qunsetenv("QT_QPA_PLATFORM");
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    const QTemporaryDir folder;
    const QString svg = folder.filePath(QStringLiteral("sweep.svg"));
    const auto written = orven::ui::plotSweep(tenPointSweep(), svg);
    ASSERT_TRUE(written.ok) << written.reason.toStdString();

    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto text = orven::testing::svgText(file.readAll());
    ASSERT_TRUE(text.has_value());
    for (const char* expected : {"Έξοδος του σταθμού", "N1", "N2 = 5", "N2 = 5, ακριβής τιμή"})
        EXPECT_TRUE(text->contains(QString::fromUtf8(expected))) << expected;

    // A second drawing makes its application again, at the size asked.
    const QString png = folder.filePath(QStringLiteral("sweep.png"));
    ASSERT_TRUE(orven::ui::plotSweep(tenPointSweep(), png, QSize(640, 480)).ok);
    EXPECT_EQ(QImage(png).size(), QSize(640, 480));
}

}  // namespace
