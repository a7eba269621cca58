#pragma once

namespace orven::batch {

// Keeps Qt's own diagnostics (a missing XDG_RUNTIME_DIR, a device that cannot seek) off
// standard error, which carries the command's own messages only. Fatal errors still end the
// process as Qt ends it.
void silenceQtDiagnostics();

// True once a write to standard output has failed; the first call that sees it keeps the
// system's reason for standardOutputStatus, so call it right after writing.
bool standardOutputFailed();

// Flushes standard output: when something written to it was lost, says so in one line on
// standard error and gives 1, otherwise `status`.
int standardOutputStatus(int status);

}  // namespace orven::batch
