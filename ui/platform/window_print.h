#pragma once

class QPrinter;
class QWidget;

namespace orven {

// Prints a window as it shows on the screen, scaled to fit the page, with its texts kept as
// text and its lines as lines (no picture of the whole window), so a PDF stays small and its
// texts can be searched and copied. False when the printer cannot be started.
bool printWidget(QWidget& window, QPrinter& printer);

}  // namespace orven
