#pragma once

namespace orven::ui {

// Ends the program at once, as "EXIT"/"Exit"/"exit" do: every window closes and the event loop
// ends as soon as the handler that called this returns. Nothing is asked or saved.
void endProgram();

// Runs the program's event loop, then ends the process at once with its exit code: a worker
// still solving an exact value is abandoned, not awaited (Qt would wait for its thread pool on
// the way out). Nothing is lost: every results file is whole, since a run appends its block in
// one write and closes the file.
[[noreturn]] void runUntilEnd();

}  // namespace orven::ui
