#include "batch_platform.h"

#include <QDir>
#include <QStringDecoder>
#include <chrono>
#include <cstdio>

namespace orven::batch {

namespace {
constexpr std::uint64_t kFixedClock = 20260131140509ULL;

std::uint64_t clockNanoseconds() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
}  // namespace

BatchPlatform::BatchPlatform(std::uint64_t seed, bool fixedClock, QDateTime now,
                             std::optional<QString> outputName)
    : random_(seed),
      fixedClock_(fixedClock),
      now_(std::move(now)),
      outputName_(std::move(outputName)) {}

void BatchPlatform::showMessage(const QString& text, MessageIcon, const QString& title) {
    QString line = title.isEmpty() ? text : title + QStringLiteral(": ") + text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\n', u' ');
    messages_.append(line);
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
}

QString BatchPlatform::askText(const QString&, const QString&, const QString& defaultAnswer) {
    return outputName_.value_or(defaultAnswer);
}

void BatchPlatform::reseedRandom() {
    random_.reseed(fixedClock_ ? kFixedClock : clockNanoseconds());
}

QString BatchPlatform::resultsFolder() {
    return QDir::currentPath();
}

AppendOutcome BatchPlatform::appendFile(const QString& path, const QByteArray& bytes) {
    QStringDecoder decoder("windows-1253");
    blocks_.append(decoder.decode(bytes));
    if (!outputName_) return {true, {}};
    AppendOutcome outcome = appendToFile(path, bytes);
    if (!outcome.ok) writesSucceeded_ = false;
    return outcome;
}

}  // namespace orven::batch
