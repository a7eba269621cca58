#pragma once

#include <QByteArray>
#include <QString>

#include "orven/platform.h"

namespace orven {

class ResultsBlock;

// The results file named by a user's answer: the results folder, a slash, the answer as typed
// and ".txt". The answer may name a subfolder.
QString resultsFilePath(const QString& folder, const QString& answer);

// Appends bytes to a file, creating it when missing, in one write that is flushed before the
// file is closed. On failure the file is left exactly as it was and the reason is returned.
AppendOutcome appendToFile(const QString& path, const QByteArray& bytes);

// Asks for the name of the results file, as every program does at the end of a run: returns
// the answer as typed, or the default answer when the answer is empty or the prompt cancelled.
QString askResultsFileName(Platform& platform, const QString& defaultAnswer);

// Appends a run's block to the file named by the answer. A failure is reported to the user
// with a warning titled "Σφάλμα" naming the path and the reason; the result says whether the
// block was written.
bool saveResultsBlock(Platform& platform, const QString& answer, const ResultsBlock& block);

}  // namespace orven
