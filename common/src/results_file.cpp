#include "orven/results_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "orven/input_rules.h"
#include "orven/platform.h"
#include "orven/results_block.h"

namespace orven {

QString resultsFilePath(const QString& folder, const QString& answer) {
    return folder + u'/' + answer + QStringLiteral(".txt");
}

AppendOutcome appendToFile(const QString& path, const QByteArray& bytes) {
    const bool existed = QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return {false, file.errorString()};
    const qint64 originalSize = file.size();
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    if (written) {
        file.close();
        return {true, {}};
    }
    // Never leave part of a block behind: cut the file back to what it held before.
    const QString reason = file.errorString();
    file.resize(originalSize);
    file.close();
    if (!existed) QFile::remove(path);
    return {false, reason};
}

QString askResultsFileName(Platform& platform, const QString& defaultAnswer) {
    const QString answer =
        platform.askText(QStringLiteral("Δώσε αρχείο για αποθήκευση πληροφοριών"),
                         QStringLiteral("ΕΞΑΓΩΓΗ ΑΠΟΤΕΛΕΣΜΑΤΩΝ"), defaultAnswer);
    // Cancel gives an empty answer too: the results then go where the prompt proposed, never
    // into a hidden ".txt" that the user would not find.
    return answer.isEmpty() ? defaultAnswer : answer;
}

bool saveResultsBlock(Platform& platform, const QString& answer, const ResultsBlock& block) {
    const QString path = resultsFilePath(platform.resultsFolder(), answer);
    const AppendOutcome outcome = platform.appendFile(path, block.encoded());
    if (!outcome.ok) {
        platform.showMessage(
            QStringLiteral("Δεν ήταν δυνατή η αποθήκευση των αποτελεσμάτων στο αρχείο\n") +
                QDir::toNativeSeparators(path) + u'\n' + outcome.reason,
            MessageIcon::Warning, errorTitle());
    }
    return outcome.ok;
}

}  // namespace orven
