// orven-screenshots: pictures of every program's windows after a default run, for the README.
// orven-screenshots FOLDER [PROGRAM...]
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "scene.h"
#include "shoot.h"

namespace {

void printLine(const QString& text, std::FILE* stream) {
    std::fprintf(stream, "%s\n", text.toUtf8().constData());
}

}  // namespace

int main(int argc, char** argv) {
    // The pictures are made without a display unless the caller asks for another platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        printLine(QStringLiteral("usage: orven-screenshots FOLDER [PROGRAM...]"), stderr);
        return 2;
    }
    const QDir folder(arguments.takeFirst());
    if (!folder.mkpath(QStringLiteral("."))) {
        printLine(QStringLiteral("cannot create ") + folder.path(), stderr);
        return 1;
    }

    QStringList known;
    for (const auto& scene : orven::screenshots::scenes()) known << scene.program;
    for (const QString& program : arguments) {
        if (!known.contains(program)) {
            printLine(QStringLiteral("no pictures for ") + program + QStringLiteral("; known: ") +
                          known.join(QStringLiteral(", ")),
                      stderr);
            return 2;
        }
    }

    int failures = 0;
    for (const auto& scene : orven::screenshots::scenes()) {
        if (!arguments.isEmpty() && !arguments.contains(scene.program)) continue;
        const auto result = orven::screenshots::shoot(scene, folder);
        for (const QString& path : result.written) printLine(path, stdout);
        for (const QString& failure : result.failures) printLine(failure, stderr);
        failures += static_cast<int>(result.failures.size());
    }
    return failures == 0 ? 0 : 1;
}
