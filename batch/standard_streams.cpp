#include "standard_streams.h"

#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace orven::batch {

namespace {

QtMessageHandler qtHandler = nullptr;
// errno as the first failed write of standard output left it; 0 until then.
int firstFailure = 0;

void dropAllButFatal(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && qtHandler != nullptr) qtHandler(type, context, text);
}

}  // namespace

void silenceQtDiagnostics() {
    qtHandler = qInstallMessageHandler(dropAllButFatal);
}

bool standardOutputFailed() {
    if (std::ferror(stdout) == 0) return false;
    if (firstFailure == 0) firstFailure = errno != 0 ? errno : EIO;
    return true;
}

int standardOutputStatus(int status) {
    errno = 0;
    std::fflush(stdout);
    if (!standardOutputFailed()) return status;
    std::fprintf(stderr, "orven-batch: standard output could not be written: %s\n",
                 std::strerror(firstFailure));
    return 1;
}

}  // namespace orven::batch
