#include "bench_platform.h"

#include <QCoreApplication>

#include "orven/clock.h"
#include "orven/results_file.h"

namespace orven::bench {

namespace {
constexpr std::uint64_t kFixedClock = 20260131140509ULL;
}  // namespace

BenchPlatform::BenchPlatform(Files files, std::uint64_t seed) : random_(seed), files_(files) {}

void BenchPlatform::showMessage(const QString&, MessageIcon, const QString&) {
    ++messages_;
}

QString BenchPlatform::askText(const QString&, const QString&, const QString& defaultAnswer) {
    return defaultAnswer;
}

void BenchPlatform::reseedRandom() {
    random_.reseed(kFixedClock);
}

QDateTime BenchPlatform::currentDateTime() {
    return QDateTime(QDate(2026, 1, 31), QTime(14, 5, 9));
}

std::int64_t BenchPlatform::wallClockMilliseconds() {
    if (wallClockStep_ == 0) return steadyMilliseconds();
    return wallClock_ += wallClockStep_;
}

void BenchPlatform::processEvents() {
    if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
}

AppendOutcome BenchPlatform::appendFile(const QString& path, const QByteArray& bytes) {
    if (files_ == Files::Discarded) return {true, {}};
    return appendToFile(path, bytes);
}

}  // namespace orven::bench
