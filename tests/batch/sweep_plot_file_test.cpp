// orven-batch sweep --plot as a user runs it, where there is no display: the picture it leaves,
// read back from its SVG.
#include <gtest/gtest.h>

#include <QFile>
#include <QPointF>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <map>

namespace {

struct BatchRun {
    int exitCode;
    QByteArray out;
};

// orven-batch started without a display and without a platform named: it must choose the
// offscreen one itself.
BatchRun runHeadless(const QStringList& arguments, const QString& folder) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(ORVEN_BATCH_PROGRAM), arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput()};
}

// The lines of a chart as its SVG draws them, by pen ("#0072b2", "#0072b2 dashed") and by the
// frame they are drawn in (the plot area, a legend marker), each with its distinct vertices;
// and every text, in document order.
struct DrawnSvg {
    std::map<std::pair<QString, QString>, QList<QPointF>> lines;
    QString texts;

    // The line of this pen with the most vertices: the curve, not its legend marker.
    QList<QPointF> longest(const QString& pen) const {
        QList<QPointF> found;
        for (const auto& [key, line] : lines) {
            if (key.first == pen && line.size() > found.size()) found = line;
        }
        return found;
    }
};

QList<QPointF> vertices(const QString& points) {
    static const QRegularExpression number(QStringLiteral("-?[0-9.]+"));
    QList<double> values;
    for (const auto& match : number.globalMatch(points)) values << match.captured().toDouble();
    QList<QPointF> found;
    for (qsizetype k = 0; k + 1 < values.size(); k += 2) found << QPointF(values[k], values[k + 1]);
    return found;
}

DrawnSvg readSvg(const QByteArray& svg) {
    DrawnSvg drawn;
    QXmlStreamReader reader(svg);
    QList<std::pair<QString, QString>> pens;  // the pen and frame of each open group
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isCharacters() && !reader.isWhitespace()) drawn.texts += reader.text();
        if (reader.isEndElement() && reader.name() == QStringLiteral("g")) pens.removeLast();
        if (!reader.isStartElement()) continue;
        const auto attributes = reader.attributes();
        if (reader.name() == QStringLiteral("g")) {
            QString pen = attributes.value(QStringLiteral("stroke")).toString();
            if (attributes.hasAttribute(QStringLiteral("stroke-dasharray")))
                pen += QStringLiteral(" dashed");
            pens << std::pair{pen, attributes.value(QStringLiteral("transform")).toString()};
            continue;
        }
        if (pens.isEmpty()) continue;
        QString points;
        if (reader.name() == QStringLiteral("polyline"))
            points = attributes.value(QStringLiteral("points")).toString();
        if (reader.name() == QStringLiteral("path"))
            points = attributes.value(QStringLiteral("d")).toString();
        for (const QPointF& point : vertices(points)) {
            QList<QPointF>& line = drawn.lines[pens.last()];
            if (!line.contains(point)) line << point;
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return drawn;
}

TEST(SweepPlotFile, TenPopulationsWithTheExactValuesDrawTwoSeriesOfTenPoints) {
    const QTemporaryDir folder;
    const BatchRun run = runHeadless(
        {QStringLiteral("sweep"), QStringLiteral("simple-solver"), QStringLiteral("--populations"),
         QStringLiteral("1..10,5,5"), QStringLiteral("--experiment"), QStringLiteral("0"),
         QStringLiteral("--with-exact"), QStringLiteral("--plot"), QStringLiteral("out.svg")},
        folder.path());
    ASSERT_EQ(run.exitCode, 0);
    // The rows still go to standard output: a header and ten cases.
    EXPECT_EQ(run.out.count('\n'), 11);

    QFile file(folder.filePath(QStringLiteral("out.svg")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const DrawnSvg drawn = readSvg(file.readAll());
    // The first curve's colour: S solid, its exact values dashed.
    const QList<QPointF> S = drawn.longest(QStringLiteral("#0072b2"));
    const QList<QPointF> exact = drawn.longest(QStringLiteral("#0072b2 dashed"));
    ASSERT_EQ(S.size(), 10);
    ASSERT_EQ(exact.size(), 10);
    // Above each other, one point per population N1, left to right; the aggregation is below
    // the exact value here, as the rows say (the SVG's y grows downwards).
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    const QList<QByteArray> header = lines.front().split(',');
    const auto at = [&](const char* column) { return header.indexOf(QByteArray(column)); };
    for (int k = 0; k < 10; ++k) {
        EXPECT_NEAR(S[k].x(), exact[k].x(), 0.01);
        if (k > 0) {
            EXPECT_GT(S[k].x(), S[k - 1].x());
        }
        const QList<QByteArray> cells = lines[k + 1].split(',');
        EXPECT_EQ(cells[at("N1")].toInt(), k + 1);
        EXPECT_LT(cells[at("S")].toDouble(), cells[at("exact")].toDouble());
        EXPECT_GT(S[k].y(), exact[k].y());
    }
    for (const char* expected : {"N1", "S", "ακριβής τιμή", "N2 = 5, N3 = 5, πείραμα = 0"})
        EXPECT_TRUE(drawn.texts.contains(QString::fromUtf8(expected))) << expected;
}

TEST(SweepPlotFile, APlotThatCannotBeDrawnIsRefusedBeforeAnyCaseRuns) {
    const QTemporaryDir folder;
    // Nothing varies; a name that is neither SVG nor PNG.
    for (const QStringList& plot :
         {QStringList{QStringLiteral("5,5,5"), QStringLiteral("one.svg")},
          QStringList{QStringLiteral("1..3,5,5"), QStringLiteral("sweep.pdf")}}) {
        const BatchRun run = runHeadless(
            {QStringLiteral("sweep"), QStringLiteral("simple-solver"),
             QStringLiteral("--populations"), plot[0], QStringLiteral("--plot"), plot[1]},
            folder.path());
        EXPECT_EQ(run.exitCode, 2) << plot[1].toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(QFile::exists(folder.filePath(plot[1])));
    }
}

}  // namespace
