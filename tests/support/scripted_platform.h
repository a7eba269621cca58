#pragma once

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <vector>

#include "orven/platform.h"
#include "orven/random_source.h"

namespace orven::testing {

// A platform for tests: prompts are answered from a queue, messages and printed windows are
// recorded, the generator has a fixed seed and the clock stands still, so every run repeats.
class ScriptedPlatform final : public Platform {
  public:
    struct Message {
        QString text;
        MessageIcon icon;
        QString title;
    };
    struct Prompt {
        QString text;
        QString title;
        QString defaultAnswer;
    };
    // One entry of the order in which messages and prompts came: 'M' or 'P' and its text.
    struct Event {
        char kind;
        QString text;
    };

    explicit ScriptedPlatform(std::uint64_t seed = 1);

    // Answers for the next prompts, in order. With none left a prompt takes its default.
    void answer(const QString& text) { answers_.push_back(text); }
    // Answers the next prompt as Cancel does (an empty answer).
    void cancelNextPrompt() { answers_.push_back(QString()); }
    // Answers for the next file-save dialogs, in order; with none left a dialog is cancelled.
    void answerSaveFile(const QString& path) { saveAnswers_.push_back(path); }
    // Uniform draws handed out before the seeded generator's, in order.
    void scriptUniforms(std::initializer_list<float> draws) {
        uniforms_.insert(uniforms_.end(), draws);
    }
    // Lets a simulation run draw from the seeded generator directly, as the programs' platforms
    // do: the same numbers, but neither scripted nor counted.
    void drawDirectly() { drawDirectly_ = true; }
    // Called on every processEvents, for tests that act in the middle of a run.
    void onProcessEvents(std::function<void()> hook) { eventHook_ = std::move(hook); }
    // Called on every message, after it is recorded (a modal box would block there).
    void onMessage(std::function<void(const Message&)> hook) { messageHook_ = std::move(hook); }
    // Called on every prompt before it is answered.
    void onPrompt(std::function<void(const Prompt&)> hook) { promptHook_ = std::move(hook); }

    // The wall clock moves on by `step` milliseconds at every reading (1 unless set), so that
    // runs hand over to the window at the same steps every time.
    void setWallClockStep(std::int64_t step) { wallClockStep_ = step; }

    void setResultsFolder(const QString& folder) { folder_ = folder; }
    void setDateTime(const QDateTime& when) { now_ = when; }

    const std::vector<Message>& messages() const { return messages_; }
    const std::vector<Prompt>& prompts() const { return prompts_; }
    const std::vector<Event>& events() const { return events_; }
    const QStringList& printedWindows() const { return printed_; }
    // The suggested paths of the file-save dialogs asked so far.
    const QStringList& saveFilePrompts() const { return saveFilePrompts_; }
    int reseeds() const { return reseeds_; }
    int uniformDraws() const { return draws_; }
    int eventRounds() const { return eventRounds_; }
    // The whole content of a results file named by an answer, or empty when missing.
    QByteArray resultsFile(const QString& answer) const;

    void showMessage(const QString& text, MessageIcon icon, const QString& title) override;
    QString askText(const QString& text, const QString& title,
                    const QString& defaultAnswer) override;
    void reseedRandom() override;
    float uniformRandom() override;
    RandomSource* generator() override { return drawDirectly_ ? &random_ : nullptr; }
    QDateTime currentDateTime() override { return now_; }
    std::int64_t wallClockMilliseconds() override { return wallClock_ += wallClockStep_; }
    void processEvents() override;
    QString resultsFolder() override { return folder_; }
    AppendOutcome appendFile(const QString& path, const QByteArray& bytes) override;
    void printWindow(QObject& window) override;
    QString askSaveFile(const QString& caption, const QString& suggestedPath,
                        const QString& filter) override;

  private:
    RandomSource random_;
    std::deque<QString> answers_;
    std::deque<QString> saveAnswers_;
    std::deque<float> uniforms_;
    std::function<void()> eventHook_;
    std::function<void(const Message&)> messageHook_;
    std::function<void(const Prompt&)> promptHook_;
    QTemporaryDir temporary_;
    QString folder_;
    QDateTime now_;
    std::vector<Message> messages_;
    std::vector<Prompt> prompts_;
    std::vector<Event> events_;
    QStringList printed_;
    QStringList saveFilePrompts_;
    int reseeds_ = 0;
    int draws_ = 0;
    int eventRounds_ = 0;
    std::int64_t wallClock_ = 0;
    std::int64_t wallClockStep_ = 1;
    bool drawDirectly_ = false;
};

// Text written to a results file, decoded from its code page.
QString decodeResults(const QByteArray& bytes);

}  // namespace orven::testing
