#pragma once

class QWidget;

namespace orven::ui {

// Names the window that the message boxes and prompts opened while it lives belong to: they
// open over it, whichever window the system happens to hold active. Scopes nest (a handler of
// another window run from inside a long run names its own window for as long as it runs).
class DialogOwner {
  public:
    explicit DialogOwner(QWidget& window);
    ~DialogOwner();
    DialogOwner(const DialogOwner&) = delete;
    DialogOwner& operator=(const DialogOwner&) = delete;

    // The window named by the innermost scope that is still open and whose window still
    // exists; null outside every scope.
    static QWidget* current();
};

}  // namespace orven::ui
