#pragma once

#include <functional>

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace orven::ui {

// The keyboard of a window: Enter (or Return) activates the focused button, and in any other
// control the window's main action ("start"/"Start"), when it has one; Escape runs the
// window's close action ("back"/"close"), when it has one. Call it once the window's controls
// exist: it watches the controls the window has then.
void setWindowKeys(QWidget& window, QAbstractButton* mainAction,
                   std::function<void()> closeAction = {});

// A field that only shows what the program writes: read-only and left out of the tab order,
// while a click still selects its text for copying.
void makeOutputField(QLineEdit& field);

// The number that a field holds, by the lenient text-to-number rule of every input field.
double numberIn(const QLineEdit& field);

}  // namespace orven::ui
