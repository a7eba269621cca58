#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace orven::ui {

// Where a window whose frame has `size` first stands beside a main window whose frame is
// `main`, on a screen whose free area is `screen`: to the right of the main window, tops level;
// where that runs off the screen, to its left; where that does too, below it. Where it fits
// whole nowhere, over the side of the main window with the more free room, against the edge of
// the screen, unless that covers `keepClear` (a part of the main window the user reads beside
// it) and the other side does not. It never runs off the screen; the main window never moves.
QRect besideFrame(const QRect& main, const QSize& size, const QRect& screen,
                  const QRect& keepClear = {});

// `frame` moved just far enough to lie on `screen`, and cut where it is larger than the screen.
QRect withinScreen(const QRect& frame, const QRect& screen);

// The first time: shows `window` beside `main` as besideFrame says, as tall as `main`, on the
// screen that holds `main`, keeping clear of `keepClear` (a part of `main`) where it can. Later:
// shows it where it stands, since the user may have moved it, only brought back onto the
// screen. Either way it comes to the front. Until the window's own frame is known, the main
// window's frame stands for it, since one window manager draws both.
void showBeside(QWidget& window, QWidget& main, const QWidget* keepClear = nullptr);

// A window loaded anew in place of `previous` stands where `previous` stood, with its size,
// and showBeside keeps it there; a `previous` never placed leaves it to be placed afresh.
void takePlaceOf(QWidget& window, const QWidget& previous);

// Shows a secondary window where it last stood, in front, with the keyboard focus.
void showInFront(QWidget& window);

}  // namespace orven::ui
