// What orven-batch leaves on its streams and files: a write that fails is a failure, standard
// error holds the command's own lines, and the figures read as what they are.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <cmath>
#include <nlohmann/json.hpp>
#include <utility>

#include "batch_run.h"

namespace {

using orven::testing::args;
using orven::testing::BatchRun;
using orven::testing::runBatch;

const QString kFull = QStringLiteral("/dev/full");

TEST(WrittenOutputTest, AStandardOutputThatCannotBeWrittenFailsTheCommand) {
    for (const QStringList& command :
         {args({"simple-solver", "--populations", "5,5,5"}),
          args({"exact-simple", "--populations", "3,3"}),
          args({"sweep", "simple-solver", "--populations", "1..3,5,5", "--no-timing"})}) {
        const BatchRun run = runBatch(command, QString(), kFull);
        EXPECT_EQ(run.exitCode, 1) << command.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains("standard output could not be written"))
            << run.err.toStdString();
    }
}

TEST(WrittenOutputTest, APlotThatCannotBeWrittenFailsTheSweep) {
    QTemporaryDir folder;
    // Where the test may make devices, one of its own like /dev/full: a program that wrongly
    // replaced the device would replace only this one.
    QString device = folder.filePath(QStringLiteral("full"));
    if (::mknod(device.toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        device = kFull;
    const QString plot = folder.filePath(QStringLiteral("full.svg"));
    ASSERT_TRUE(QFile::link(device, plot));
    const BatchRun run = runBatch(
        args({"sweep", "simple-solver", "--populations", "1..3,5,5", "--no-timing", "--plot"}) +
        QStringList{plot});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("the plot was not written")) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo(device).isFile()) << "the device stays a device";
}

TEST(WrittenOutputTest, StandardErrorHoldsTheCommandsOwnLinesOnly) {
    // The JSON holds the result that the result line would repeat.
    const BatchRun json = runBatch(args({"simple-solver", "--populations", "5,5,5", "--format",
                                         "json", "--with-exact", "--seed", "1"}));
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_TRUE(json.err.isEmpty()) << json.err.toStdString();
    const BatchRun block = runBatch(args({"simple-solver", "--populations", "5,5,5"}));
    EXPECT_FALSE(block.err.isEmpty()) << "the block keeps its result line";

    // Drawn without a display and without a runtime folder, Qt has things to say: not here.
    QTemporaryDir folder;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ORVEN_BATCH_PROGRAM),
                  args({"sweep", "simple-solver", "--populations", "1..3,5,5", "--plot"}) +
                      QStringList{folder.filePath(QStringLiteral("s.png"))});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardError().isEmpty());
}

TEST(WrittenOutputTest, TheExactTablesHeadingsStandApart) {
    // Probabilities as short as 0.6 leave the headings wider than their columns.
    const BatchRun run = runBatch(args({"exact-simple", "--populations", "2,2"}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("\nn     P(1, n)  P(2, n)\n0     0.6      0.6\n"))
        << run.out.toStdString();
}

TEST(WrittenOutputTest, WhyThereIsNoExactValueIsSaidInEnglish) {
    const BatchRun run = runBatch(args(
        {"simple-solver", "--populations", "600,600,600", "--format", "json", "--with-exact"}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto json = nlohmann::json::parse(run.out.toStdString());
    EXPECT_NE(json["exact"]["unavailable"].get<std::string>().find("reachable states"),
              std::string::npos);
}

TEST(WrittenOutputTest, TheFullPrecisionEstimatesRoundToTheFiguresOfTheFile) {
    const auto fourDecimals = [](double value) { return std::nearbyint(value * 1e4) / 1e4; };
    // Short runs of long queues leave states visited for a moment.
    for (const auto& [command, populations] :
         {std::pair{"simple-sim", "2,9,9"}, std::pair{"double-sim", "2,9,9,9"}}) {
        const BatchRun run = runBatch(args({command, "--populations", populations, "--runtime",
                                            "2000", "--seed", "3", "--format", "json"}));
        ASSERT_EQ(run.exitCode, 0) << command << run.err.toStdString();
        const auto json = nlohmann::json::parse(run.out.toStdString());
        const auto& full = json["estimates"];
        ASSERT_EQ(full["P"].size(), json["P"].size());
        bool someFigureIsFiner = false;
        for (std::size_t k = 0; k < full["P"].size(); ++k) {
            ASSERT_EQ(full["P"][k].size(), json["P"][k].size());
            for (std::size_t n = 0; n < full["P"][k].size(); ++n) {
                const double p = full["P"][k][n].get<double>();
                EXPECT_DOUBLE_EQ(fourDecimals(p), json["P"][k][n].get<double>()) << k << "," << n;
                someFigureIsFiner = someFigureIsFiner || p != fourDecimals(p);
            }
        }
        EXPECT_TRUE(someFigureIsFiner);
        const auto X = json.contains("X") ? std::vector<double>{json["X"].get<double>()}
                                          : std::vector<double>{json["X1"].get<double>(),
                                                                json["X2"].get<double>()};
        ASSERT_EQ(full["X"].size(), X.size());
        for (std::size_t k = 0; k < X.size(); ++k)
            EXPECT_DOUBLE_EQ(fourDecimals(full["X"][k].get<double>()), X[k]);
    }
}

}  // namespace
