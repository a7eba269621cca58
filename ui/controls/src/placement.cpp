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

QRect rightOf(const QRect& main, const QSize& size) {
    return {QPoint(main.right() + 1, main.top()), size};
}

// The first place beside the main window where the window fits whole: right, left, below.
std::optional<QRect> wholeFit(const QRect& main, const QSize& size, const QRect& screen) {
    const QRect candidates[] = {
        rightOf(main, size),
        QRect(QPoint(main.left() - size.width(), main.top()), size),
        QRect(QPoint(main.left(), main.bottom() + 1), size),
    };
    for (const QRect& candidate : candidates) {
        if (screen.contains(candidate)) return candidate;
    }
    return std::nullopt;
}

}  // namespace

QRect besideFrame(const QRect& main, const QSize& size, const QRect& screen) {
    if (const auto fit = wholeFit(main, size, screen)) return *fit;
    // Nothing fits whole: beside the main window, pulled back onto the screen.
    QRect frame = rightOf(main, size);
    frame.moveRight(std::min(frame.right(), screen.right()));
    frame.moveBottom(std::min(frame.bottom(), screen.bottom()));
    frame.moveLeft(std::max(frame.left(), screen.left()));
    frame.moveTop(std::max(frame.top(), screen.top()));
    return frame;
}

std::optional<QRect> mainFrameMakingRoom(const QRect& main, const QSize& size,
                                         const QRect& screen) {
    if (wholeFit(main, size, screen)) return std::nullopt;
    QRect moved = main;
    moved.moveRight(screen.right() - size.width());
    if (moved.left() < screen.left() || moved.left() > main.left()) return std::nullopt;
    if (!screen.contains(moved) || !screen.contains(rightOf(moved, size))) return std::nullopt;
    return moved;
}

void showBeside(QWidget& window, QWidget& main) {
    QMargins margins = frameMargins(window);
    if (margins.isNull()) margins = frameMargins(main);
    const int width = std::max(window.isVisible() ? window.width() : 0, window.sizeHint().width());
    const QSize client(width, main.height());
    const QRect screen = main.screen()->availableGeometry();
    QRect mainFrame = main.frameGeometry();
    if (const auto moved = mainFrameMakingRoom(mainFrame, client.grownBy(margins), screen)) {
        main.move(moved->topLeft());
        mainFrame = *moved;
    }
    const QRect frame = besideFrame(mainFrame, client.grownBy(margins), screen);
    window.setGeometry(frame.marginsRemoved(margins));
    window.show();
    window.raise();
}

void showInFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace orven::ui
