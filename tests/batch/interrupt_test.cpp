// Ctrl-C during a simulator run of orven-batch: the run ends cleanly, with exit status 130,
// and nothing is appended.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>

namespace {

TEST(BatchInterruptTest, CtrlCEndsASimulatorRunWithStatus130AndWritesNothing) {
    QTemporaryDir folder;
    QProcess batch;
    batch.setWorkingDirectory(folder.path());
    batch.start(QStringLiteral(ORVEN_BATCH),
                {QStringLiteral("simple-sim"), QStringLiteral("--runtime"), QStringLiteral("1e14"),
                 QStringLiteral("--output"), QStringLiteral("runs")});
    ASSERT_TRUE(batch.waitForStarted());
    // Well into the run: the set-up is over and the steps go on.
    QThread::msleep(500);
    ASSERT_EQ(batch.state(), QProcess::Running);
    ::kill(static_cast<pid_t>(batch.processId()), SIGINT);
    ASSERT_TRUE(batch.waitForFinished(5000)) << "the run did not end";
    EXPECT_EQ(batch.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(batch.exitCode(), 130);
    EXPECT_TRUE(batch.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty()) << "nothing is appended";
}

}  // namespace
