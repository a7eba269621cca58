#include "scripted_platform.h"

#include <QFile>
#include <QObject>
#include <QStringDecoder>

#include "orven/code_page.h"
#include "orven/results_file.h"

namespace orven::testing {

namespace {
// The clock that reseeds read: fixed, so a seed replays a run exactly.
constexpr std::uint64_t kFixedClock = 20260131140509ULL;
}  // namespace

ScriptedPlatform::ScriptedPlatform(std::uint64_t seed)
    : random_(seed), folder_(temporary_.path()), now_(QDate(2026, 1, 31), QTime(14, 5, 9)) {}

QByteArray ScriptedPlatform::resultsFile(const QString& answer) const {
    QFile file(resultsFilePath(folder_, answer));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void ScriptedPlatform::showMessage(const QString& text, MessageIcon icon, const QString& title) {
    messages_.push_back({text, icon, title});
    events_.push_back({'M', text});
    if (messageHook_) messageHook_(messages_.back());
}

QString ScriptedPlatform::askText(const QString& text, const QString& title,
                                  const QString& defaultAnswer) {
    prompts_.push_back({text, title, defaultAnswer});
    events_.push_back({'P', text});
    if (promptHook_) promptHook_(prompts_.back());
    if (answers_.empty()) return defaultAnswer;
    QString next = answers_.front();
    answers_.pop_front();
    return next;
}

void ScriptedPlatform::reseedRandom() {
    ++reseeds_;
    random_.reseed(kFixedClock);
}

float ScriptedPlatform::uniformRandom() {
    ++draws_;
    if (!uniforms_.empty()) {
        const float next = uniforms_.front();
        uniforms_.pop_front();
        return next;
    }
    return random_.uniform();
}

void ScriptedPlatform::processEvents() {
    ++eventRounds_;
    if (eventHook_) eventHook_();
}

AppendOutcome ScriptedPlatform::appendFile(const QString& path, const QByteArray& bytes) {
    return appendToFile(path, bytes);
}

void ScriptedPlatform::printWindow(QObject& window) {
    printed_.append(window.objectName());
}

QString ScriptedPlatform::askSaveFile(const QString&, const QString& suggestedPath,
                                      const QString&) {
    saveFilePrompts_.append(suggestedPath);
    if (saveAnswers_.empty()) return {};
    QString path = saveAnswers_.front();
    saveAnswers_.pop_front();
    return path;
}

QString decodeResults(const QByteArray& bytes) {
    QStringDecoder decoder(kResultsCodePage);
    return decoder.decode(bytes);
}

}  // namespace orven::testing
