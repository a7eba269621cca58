#include "batch_platform.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "orven/clock.h"
#include "orven/input_rules.h"
#include "orven/results_file.h"

namespace orven::batch {

namespace {
constexpr std::uint64_t kFixedClock = 20260131140509ULL;

}  // namespace

BatchPlatform::BatchPlatform(std::uint64_t seed, bool fixedClock, QDateTime now,
                             std::optional<QString> outputPath)
    : random_(seed),
      fixedClock_(fixedClock),
      now_(std::move(now)),
      outputPath_(std::move(outputPath)) {}

void BatchPlatform::showMessage(const QString& text, MessageIcon, const QString& title) {
    QString line = title.isEmpty() ? text : title + QStringLiteral(": ") + text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\n', u' ');
    messages_.append(line);
    if (!quiet_ && (!errorsOnly_ || title == errorTitle()))
        std::fprintf(stderr, "%s\n", line.toUtf8().constData());
}

QString BatchPlatform::askText(const QString&, const QString&, const QString& defaultAnswer) {
    return outputPath_ ? QFileInfo(*outputPath_).fileName() : defaultAnswer;
}

void BatchPlatform::reseedRandom() {
    random_.reseed(fixedClock_ ? kFixedClock : clockNanoseconds());
}

std::int64_t BatchPlatform::wallClockMilliseconds() {
    return steadyMilliseconds();
}

QString BatchPlatform::resultsFolder() {
    return outputPath_ ? QFileInfo(*outputPath_).path() : QDir::currentPath();
}

AppendOutcome BatchPlatform::appendFile(const QString& path, const QByteArray& bytes) {
    if (!outputPath_) return {true, {}};
    AppendOutcome outcome = appendToFile(path, bytes);
    if (!outcome.ok) writesSucceeded_ = false;
    return outcome;
}

}  // namespace orven::batch
