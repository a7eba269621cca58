#pragma once

#include "orven/platform.h"
#include "orven/random_source.h"

namespace orven {

// The platform services on Qt Widgets: message boxes, input prompts, the documents folder and
// the default printer.
class QtPlatform final : public Platform {
  public:
    QtPlatform();

    void showMessage(const QString& text, MessageIcon icon, const QString& title) override;
    QString askText(const QString& text, const QString& title,
                    const QString& defaultAnswer) override;
    void reseedRandom() override;
    float uniformRandom() override;
    RandomSource* generator() override { return &random_; }
    QDateTime currentDateTime() override;
    std::int64_t wallClockMilliseconds() override;
    void processEvents() override;
    QString resultsFolder() override;
    AppendOutcome appendFile(const QString& path, const QByteArray& bytes) override;
    void printWindow(QObject& window) override;
    QString askSaveFile(const QString& caption, const QString& suggestedPath,
                        const QString& filter) override;

  private:
    RandomSource random_;
};

}  // namespace orven
