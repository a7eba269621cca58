#include "orven/ui/placement.h"

#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace orven::ui {

namespace {

QMargins frameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

}  // namespace

QRect besideFrame(const QRect& main, const QSize& size, const QRect& screen) {
    const QRect candidates[] = {
        QRect(QPoint(main.right() + 1, main.top()), size),
        QRect(QPoint(main.left() - size.width(), main.top()), size),
        QRect(QPoint(main.left(), main.bottom() + 1), size),
    };
    for (const QRect& candidate : candidates) {
        if (screen.contains(candidate)) return candidate;
    }
    // Nothing fits whole: beside the main window, pulled back onto the screen.
    QRect frame = candidates[0];
    frame.moveRight(std::min(frame.right(), screen.right()));
    frame.moveBottom(std::min(frame.bottom(), screen.bottom()));
    frame.moveLeft(std::max(frame.left(), screen.left()));
    frame.moveTop(std::max(frame.top(), screen.top()));
    return frame;
}

void showBeside(QWidget& window, const QWidget& main) {
    QMargins margins = frameMargins(window);
    if (margins.isNull()) margins = frameMargins(main);
    const int width = std::max(window.isVisible() ? window.width() : 0, window.sizeHint().width());
    const QSize client(width, main.height());
    const QRect screen = main.screen()->availableGeometry();
    const QRect frame = besideFrame(main.frameGeometry(), client.grownBy(margins), screen);
    window.setGeometry(frame.marginsRemoved(margins));
    window.show();
    window.raise();
}

}  // namespace orven::ui
