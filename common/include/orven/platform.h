#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>

class QObject;

namespace orven {

class RandomSource;

enum class MessageIcon { None, Warning };

// How an append to a file ended.
struct AppendOutcome {
    bool ok = false;
    QString reason;  // the system's reason when !ok
};

// What the computations take from their platform. The windows provide it with Qt; tests and
// the command-line program provide their own, so that a whole run sequence can be scripted.
class Platform {
  public:
    virtual ~Platform() = default;

    // A modal message with one OK button. An empty title means the program's own name.
    virtual void showMessage(const QString& text, MessageIcon icon, const QString& title) = 0;
    // A modal input prompt; returns the typed text, or an empty text on Cancel.
    virtual QString askText(const QString& text, const QString& title,
                            const QString& defaultAnswer) = 0;

    // Reseed the uniform generator from the system clock.
    virtual void reseedRandom() = 0;
    // The next uniform draw U, 0 <= U < 1, in single precision.
    virtual float uniformRandom() = 0;
    // The generator behind uniformRandom, for a simulation run that draws millions of numbers
    // without a virtual call each: the same draws in the same order. Null where every draw must
    // pass through uniformRandom (a test that scripts or counts its draws).
    virtual RandomSource* generator() { return nullptr; }

    // The current date and time, to the second.
    virtual QDateTime currentDateTime() = 0;
    // A monotonic wall clock in milliseconds from an arbitrary start: how long a run has kept
    // the window waiting.
    virtual std::int64_t wallClockMilliseconds() = 0;

    // Handles every pending user-interface event, then returns.
    virtual void processEvents() = 0;

    // The folder that results files are written in.
    virtual QString resultsFolder() = 0;
    // Appends bytes to a file in one write that is flushed before the file is closed; on
    // failure the file is left exactly as it was.
    virtual AppendOutcome appendFile(const QString& path, const QByteArray& bytes) = 0;

    // Sends an image of a window to the printer.
    virtual void printWindow(QObject& window) = 0;

    // Asks where to save a file: the path chosen, or an empty text when the user cancels (and
    // where nobody can be asked, as in a headless run). `filter` lists the kinds of file as
    // "Name (*.ext);;Name (*.ext)".
    virtual QString askSaveFile(const QString& caption, const QString& suggestedPath,
                                const QString& filter) {
        (void)caption;
        (void)suggestedPath;
        (void)filter;
        return {};
    }
};

}  // namespace orven
