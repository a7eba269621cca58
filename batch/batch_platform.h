#pragma once

#include <QStringList>
#include <optional>

#include "orven/platform.h"
#include "orven/random_source.h"

namespace orven::batch {

// The platform of a headless run. Messages go to standard error; the file-name prompt is
// answered with the name of the --output path, in the folder of that path, and without one
// nothing is written.
class BatchPlatform final : public Platform {
  public:
    // `outputPath`: absolute, without its ".txt".
    BatchPlatform(std::uint64_t seed, bool fixedClock, QDateTime now,
                  std::optional<QString> outputPath);

    const QStringList& messages() const { return messages_; }
    // Keeps messages without printing them, as a run among many in a sweep does.
    void setQuiet(bool quiet) { quiet_ = quiet; }
    // Prints only the messages titled as errors, and keeps the others (the result line, the
    // cut-off's notice), as a run whose output holds its result does.
    void setErrorsOnly(bool errorsOnly) { errorsOnly_ = errorsOnly; }
    // False when a write to the results file failed.
    bool writesSucceeded() const { return writesSucceeded_; }

    void showMessage(const QString& text, MessageIcon icon, const QString& title) override;
    QString askText(const QString& text, const QString& title,
                    const QString& defaultAnswer) override;
    void reseedRandom() override;
    float uniformRandom() override { return random_.uniform(); }
    RandomSource* generator() override { return &random_; }
    QDateTime currentDateTime() override { return now_; }
    std::int64_t wallClockMilliseconds() override;
    void processEvents() override {}
    QString resultsFolder() override;
    AppendOutcome appendFile(const QString& path, const QByteArray& bytes) override;
    void printWindow(QObject&) override {}

  private:
    RandomSource random_;
    bool fixedClock_;
    QDateTime now_;
    std::optional<QString> outputPath_;
    QStringList messages_;
    bool writesSucceeded_ = true;
    bool quiet_ = false;
    bool errorsOnly_ = false;
};

}  // namespace orven::batch
