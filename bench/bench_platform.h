#pragma once

#include <QTemporaryDir>
#include <cstdint>

#include "orven/platform.h"
#include "orven/random_source.h"

namespace orven::bench {

// The platform of a measured run: the programs' generator with a fixed seed and a fixed clock
// for its reseeds (so every run draws the same numbers), the real wall clock and event loop;
// prompts take their default answer and messages are only counted. Results files go to a
// temporary folder, or nowhere for a run that only builds its record in memory.
class BenchPlatform final : public Platform {
  public:
    enum class Files { Written, Discarded };
    explicit BenchPlatform(Files files = Files::Discarded, std::uint64_t seed = 1);

    // Every reading of the wall clock then says that `milliseconds` have passed since the
    // last: a machine on which every step takes that long.
    void setWallClockStep(std::int64_t milliseconds) { wallClockStep_ = milliseconds; }
    // Every draw then passes through uniformRandom, a virtual call, as where a platform has no
    // generator of its own to hand out.
    void drawOneAtATime() { oneAtATime_ = true; }
    int messageCount() const { return messages_; }

    void showMessage(const QString& text, MessageIcon icon, const QString& title) override;
    QString askText(const QString& text, const QString& title,
                    const QString& defaultAnswer) override;
    void reseedRandom() override;
    float uniformRandom() override { return random_.uniform(); }
    RandomSource* generator() override { return oneAtATime_ ? nullptr : &random_; }
    QDateTime currentDateTime() override;
    std::int64_t wallClockMilliseconds() override;
    void processEvents() override;
    QString resultsFolder() override { return folder_.path(); }
    AppendOutcome appendFile(const QString& path, const QByteArray& bytes) override;
    void printWindow(QObject&) override {}

  private:
    RandomSource random_;
    Files files_;
    QTemporaryDir folder_;
    bool oneAtATime_ = false;
    int messages_ = 0;
    std::int64_t wallClockStep_ = 0;
    std::int64_t wallClock_ = 0;
};

}  // namespace orven::bench
