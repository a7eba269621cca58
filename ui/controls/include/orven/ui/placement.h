#pragma once

#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

namespace orven::ui {

// Where a window whose frame has `size` stands beside a main window whose frame is `main`, on a
// screen whose free area is `screen`: to the right of the main window, tops level; where that
// runs off the screen, to its left; where that does too, below it; and where nothing fits
// whole, moved left and up just enough to stay on the screen.
QRect besideFrame(const QRect& main, const QSize& size, const QRect& screen);

// Where the main window moves to make room for the window beside it, when besideFrame finds no
// place where the window fits whole but the two fit side by side: left, just far enough that
// the window fits on its right. Nothing otherwise. A main window in the middle of a screen too
// narrow for three such windows would else have the window stand over it.
std::optional<QRect> mainFrameMakingRoom(const QRect& main, const QSize& size, const QRect& screen);

// Shows `window` beside `main` as besideFrame says, as tall as `main`, on the screen that holds
// `main`, moving `main` first where mainFrameMakingRoom says, and brings the window to the
// front. Until the window's own frame is known, the main window's frame stands for it, since
// one window manager draws both.
void showBeside(QWidget& window, QWidget& main);

// Shows a secondary window where it last stood, in front, with the keyboard focus.
void showInFront(QWidget& window);

}  // namespace orven::ui
