#pragma once

namespace orven::ui {

// Ends the program at once, as "EXIT"/"Exit"/"exit" do: every window closes and the event loop
// ends as soon as the handler that called this returns. Nothing is asked or saved.
void endProgram();

}  // namespace orven::ui
