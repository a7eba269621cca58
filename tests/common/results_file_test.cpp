#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "orven/results_block.h"
#include "orven/results_file.h"
#include "scripted_platform.h"

using namespace orven;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

TEST(ResultsBlock, WritesItemsInOrderWithQuotesDatesAndCrLfInWindows1253) {
    ResultsBlock block;
    block.addLine();
    block.addLine({QDateTime(QDate(2026, 1, 31), QTime(14, 5, 9))});
    block.addLine({QStringLiteral("ΠΕΙΡΑΜΑ "), 2.0});
    block.addLine({QStringLiteral("Nr(1) = "), 5.0, QStringLiteral(" Nr(2)= "), 0.5,
                   QStringLiteral("ΧΡΟΝΟΣ :"), Single{100000.0f}, Fixed4::fromDouble(0.5234)});
    block.addLine({QStringLiteral("A"), QStringLiteral("Β"), -0.25, 1e-5});

    const QByteArray expected =
        "\r\n"
        "#2026-01-31 14:05:09#\r\n"
        "\"\xD0\xC5\xC9\xD1\xC1\xCC\xC1 \",2\r\n"
        "\"Nr(1) = \",5,\" Nr(2)= \",.5,\"\xD7\xD1\xCF\xCD\xCF\xD3 :\",100000,.5234\r\n"
        "\"A\",\"\xC2\",-.25,1E-05\r\n";
    EXPECT_EQ(block.encoded(), expected);
    EXPECT_EQ(block.lines().size(), 5);
}

TEST(ResultsFile, PathIsTheFolderTheAnswerAndTxt) {
    EXPECT_EQ(resultsFilePath(QStringLiteral("/home/u/Documents"), QStringLiteral("ORVEN SIMPLE ")),
              QStringLiteral("/home/u/Documents/ORVEN SIMPLE .txt"));
    EXPECT_EQ(resultsFilePath(QStringLiteral("/d"), QString()), QStringLiteral("/d/.txt"));
    EXPECT_EQ(resultsFilePath(QStringLiteral("/d"), QStringLiteral("runs/a")),
              QStringLiteral("/d/runs/a.txt"));
}

TEST(ResultsFile, AppendsBlocksOneAfterTheOther) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.txt"));
    EXPECT_TRUE(appendToFile(path, "one\r\n").ok);
    EXPECT_TRUE(appendToFile(path, "two\r\n").ok);
    EXPECT_EQ(readAll(path), QByteArray("one\r\ntwo\r\n"));
}

TEST(ResultsFile, AFailedAppendReportsItAndLeavesTheFileAsItWas) {
    orven::testing::ScriptedPlatform platform;
    ResultsBlock block;
    block.addLine({QStringLiteral("x")});

    // A folder that does not exist.
    EXPECT_FALSE(saveResultsBlock(platform, QStringLiteral("missing/run"), block));
    ASSERT_EQ(platform.messages().size(), 1u);
    const auto& message = platform.messages().front();
    EXPECT_EQ(message.title, QStringLiteral("Σφάλμα"));
    EXPECT_EQ(message.icon, MessageIcon::Warning);
    EXPECT_TRUE(message.text.startsWith(
        QStringLiteral("Δεν ήταν δυνατή η αποθήκευση των αποτελεσμάτων στο αρχείο\n")));
    EXPECT_TRUE(message.text.contains(QStringLiteral("missing/run.txt\n")));
    EXPECT_FALSE(message.text.endsWith(u'\n'));  // the system's reason follows

    // An answer that names a folder rather than a file.
    QDir(platform.resultsFolder()).mkdir(QStringLiteral("folder.txt"));
    EXPECT_FALSE(saveResultsBlock(platform, QStringLiteral("folder"), block));
    EXPECT_EQ(platform.messages().size(), 2u);
}

TEST(ResultsFile, AReadOnlyFileKeepsItsContentToTheByte) {
    orven::testing::ScriptedPlatform platform;
    ResultsBlock block;
    block.addLine({QStringLiteral("x")});
    const QString path = resultsFilePath(platform.resultsFolder(), QStringLiteral("locked"));
    writeFile(path, "kept\r\n");
    QFile::setPermissions(path, QFile::ReadOwner);
    if (QFile(path).open(QIODevice::Append)) GTEST_SKIP() << "running with rights to any file";
    EXPECT_FALSE(saveResultsBlock(platform, QStringLiteral("locked"), block));
    EXPECT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(readAll(path), QByteArray("kept\r\n"));
}

TEST(ResultsFile, AWriteThatFailsOnTheDeviceIsReportedNotTakenForSuccess) {
    if (!QFile::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "no /dev/full here";
    const AppendOutcome outcome = appendToFile(QStringLiteral("/dev/full"), "block\r\n");
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(outcome.reason.isEmpty());
}

TEST(ResultsFile, ASuccessfulSaveSaysNothing) {
    orven::testing::ScriptedPlatform platform;
    ResultsBlock block;
    block.addLine({QStringLiteral("x"), 1.0});
    EXPECT_TRUE(saveResultsBlock(platform, QStringLiteral("ok"), block));
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(platform.resultsFile(QStringLiteral("ok")), QByteArray("\"x\",1\r\n"));
}
