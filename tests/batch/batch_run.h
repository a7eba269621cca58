#pragma once

#include <QProcess>
#include <QStringList>
#include <initializer_list>

namespace orven::testing {

// One run of orven-batch as a user starts it, and what it left.
struct BatchRun {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

// `standardOutput`: a file that takes standard output in place of the pipe that reads it.
inline BatchRun runBatch(const QStringList& arguments, const QString& folder = QString(),
                         const QString& standardOutput = QString()) {
    QProcess process;
    if (!folder.isEmpty()) process.setWorkingDirectory(folder);
    if (!standardOutput.isEmpty()) process.setStandardOutputFile(standardOutput);
    process.start(QStringLiteral(ORVEN_BATCH_PROGRAM), arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

inline QStringList args(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* item : items) out.append(QString::fromUtf8(item));
    return out;
}

}  // namespace orven::testing
