// The slices of a sweep, written by the tasks of an array job, joined by `orven-batch join`:
// the whole sweep byte for byte when every slice is there and complete, and nothing but the
// name of what is wrong otherwise.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <nlohmann/json.hpp>

#include "batch_run.h"

namespace {

using orven::testing::args;
using orven::testing::BatchRun;
using orven::testing::runBatch;

const QStringList kSweep = args({"sweep", "simple-solver", "--populations", "1..4,1..3,2",
                                 "--experiment", "0,1", "--with-exact", "--no-timing"});

class JoinTest : public ::testing::Test {
  protected:
    // Slice k of `shards` of the sweep with `extra` options, in a file of the given name.
    QString part(const QString& name, int k, int shards, const QStringList& extra = {}) {
        const BatchRun run = runBatch(
            kSweep + extra +
            QStringList{QStringLiteral("--shard"), QStringLiteral("%1/%2").arg(k).arg(shards)});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return write(name, run.out);
    }
    QString write(const QString& name, const QByteArray& content) {
        QFile file(folder_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A join that must refuse: status 2, nothing printed, the reason naming `culprit`.
    static void expectRefused(const QStringList& parts, const QString& culprit, const char* why) {
        const BatchRun joined = runBatch(QStringList{QStringLiteral("join")} + parts);
        EXPECT_EQ(joined.exitCode, 2) << why;
        EXPECT_TRUE(joined.out.isEmpty()) << why;
        const QString err = QString::fromUtf8(joined.err);
        EXPECT_TRUE(err.contains(culprit) && err.contains(QString::fromUtf8(why)))
            << "expected '" << why << "' naming " << culprit.toStdString() << ", got "
            << err.toStdString();
    }

    QTemporaryDir folder_;
};

TEST_F(JoinTest, SlicesInAnyOrderJoinToThePlainSweepByteForByteInBothFormats) {
    for (const char* format : {"csv", "json"}) {
        const QStringList formatted = args({"--format", format});
        const BatchRun whole = runBatch(kSweep + formatted);
        ASSERT_EQ(whole.exitCode, 0) << whole.err.toStdString();
        // The plain sweep stays as it was: its rows and nothing that names a slice.
        EXPECT_TRUE(whole.out.startsWith(std::string(format) == "csv" ? "case," : "[\n  {"));
        EXPECT_FALSE(whole.out.contains("shard")) << format;
        const QString name = QStringLiteral("part-%1.") + QString::fromUtf8(format);
        const QStringList parts{part(name.arg(3), 3, 3, formatted),
                                part(name.arg(1), 1, 3, formatted),
                                part(name.arg(2), 2, 3, formatted)};
        const BatchRun joined = runBatch(QStringList{QStringLiteral("join")} + parts);
        EXPECT_EQ(joined.exitCode, 0) << joined.err.toStdString();
        EXPECT_EQ(joined.out, whole.out) << format;
    }
}

TEST_F(JoinTest, RefusesAMissingARepeatedACutOrAForeignPartAndNamesIt) {
    const QString first = part(QStringLiteral("part-1.csv"), 1, 3);
    const QString second = part(QStringLiteral("part-2.csv"), 2, 3);
    const QString third = part(QStringLiteral("part-3.csv"), 3, 3);
    expectRefused({first, third}, QStringLiteral("shard 2/3"), "is missing");
    const QString again = write(QStringLiteral("again.csv"), read(second));
    expectRefused({first, second, again, third}, again, "repeats");
    // The last row cut in the middle, as a task killed while writing leaves it.
    QByteArray cut = read(third);
    cut.chop(cut.size() - cut.lastIndexOf("\n#") + 5);
    expectRefused({first, second, write(QStringLiteral("cut.csv"), cut)}, QStringLiteral("cut.csv"),
                  "cut off");
    QByteArray cutJson =
        read(part(QStringLiteral("part-3.json"), 3, 3, args({"--format", "json"})));
    cutJson.chop(20);
    expectRefused({write(QStringLiteral("cut.json"), cutJson)}, QStringLiteral("cut.json"),
                  "cut off");
    // A slice of the same shape from a sweep with other inputs.
    const QString other = part(QStringLiteral("other.csv"), 2, 3, args({"--seeds", "2"}));
    expectRefused({first, other, third}, other, "another sweep");
    const QString plain = write(QStringLiteral("plain.csv"), runBatch(kSweep).out);
    expectRefused({plain}, plain, "not a slice");
}

// Slurm ends a task at its time limit with SIGTERM; a closed terminal sends SIGHUP.
TEST_F(JoinTest, ASweepEndedBySigtermOrSighupKeepsItsRowsAndJoinCallsItIncomplete) {
    struct Ending {
        int signal;
        int status;
        const char* format;
    };
    for (const Ending ending : {Ending{SIGTERM, 143, "json"}, Ending{SIGHUP, 129, "csv"}}) {
        QProcess sweep;
        sweep.start(QStringLiteral(ORVEN_BATCH_PROGRAM),
                    args({"sweep", "simple-sim", "--populations", "5,5,5", "--seeds", "1..20000",
                          "--runtime", "2000", "--jobs", "1", "--shard", "1/1", "--format",
                          ending.format}));
        ASSERT_TRUE(sweep.waitForStarted());
        QThread::msleep(2000);
        ::kill(static_cast<pid_t>(sweep.processId()), ending.signal);
        ASSERT_TRUE(sweep.waitForFinished(10000)) << "the sweep did not end";
        EXPECT_EQ(sweep.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(sweep.exitCode(), ending.status);
        const QByteArray out = sweep.readAllStandardOutput();
        std::size_t rows = 0;
        if (ending.signal == SIGTERM) {
            const auto json = nlohmann::json::parse(out.toStdString());  // still valid JSON
            rows = json["rows"].size();
        } else {
            for (const QByteArray& line : out.split('\n')) rows += line.contains(",5,5,5,") ? 1 : 0;
        }
        EXPECT_GT(rows, 0u) << "the finished rows are kept";
        EXPECT_LT(rows, 20000u);
        const QString name = QStringLiteral("stopped.") + QString::fromUtf8(ending.format);
        expectRefused({write(name, out)}, name, "is incomplete");
    }
}

}  // namespace
