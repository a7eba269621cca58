#include "orven/ui/placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMargins>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <optional>

namespace orven::ui {

namespace {

// Set on a window once it has been placed: from then on it stands where the user leaves it.
constexpr char kPlaced[] = "orvenPlaced";

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

void keepOnScreen(QWidget& window) {
    // A window that grows with new content grows now, not after it has been measured.
    if (QLayout* layout = window.layout()) layout->activate();
    const QRect frame = window.frameGeometry();
    // The screen the window stands on, which need not be the main window's.
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr) screen = window.screen();
    const QRect within = withinScreen(frame, screen->availableGeometry());
    if (within != frame) window.setGeometry(within.marginsRemoved(frameMargins(window)));
}

// Brings a placed window back onto the screen whenever it grows, as it may when its content
// arrives after it is shown (an exact value, a longer figure).
class OnScreen final : public QObject {
  public:
    explicit OnScreen(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Resize && window->isVisible()) keepOnScreen(*window);
        return false;
    }
};

void placed(QWidget& window) {
    window.setProperty(kPlaced, true);
    new OnScreen(window);
}

}  // namespace

QRect withinScreen(const QRect& frame, const QRect& screen) {
    QRect within(frame.topLeft(), frame.size().boundedTo(screen.size()));
    within.moveRight(std::min(within.right(), screen.right()));
    within.moveBottom(std::min(within.bottom(), screen.bottom()));
    within.moveLeft(std::max(within.left(), screen.left()));
    within.moveTop(std::max(within.top(), screen.top()));
    return within;
}

QRect besideFrame(const QRect& main, const QSize& size, const QRect& screen,
                  const QRect& keepClear) {
    if (const auto fit = wholeFit(main, size, screen)) return *fit;
    const QRect overRight =
        withinScreen(QRect(QPoint(screen.right() + 1 - size.width(), main.top()), size), screen);
    const QRect overLeft = withinScreen(QRect(QPoint(screen.left(), main.top()), size), screen);
    const bool rightIsFreer = screen.right() - main.right() >= main.left() - screen.left();
    const QRect& freer = rightIsFreer ? overRight : overLeft;
    const QRect& other = rightIsFreer ? overLeft : overRight;
    if (freer.intersects(keepClear) && !other.intersects(keepClear)) return other;
    return freer;
}

void showBeside(QWidget& window, QWidget& main, const QWidget* keepClear) {
    if (!window.property(kPlaced).toBool()) {
        QMargins margins = frameMargins(window);
        if (margins.isNull()) margins = frameMargins(main);
        const int width =
            std::max(window.isVisible() ? window.width() : 0, window.sizeHint().width());
        const QSize frameSize = QSize(width, main.height()).grownBy(margins);
        const QRect clear = keepClear != nullptr
                                ? QRect(keepClear->mapToGlobal(QPoint(0, 0)), keepClear->size())
                                : QRect();
        const QRect frame =
            besideFrame(main.frameGeometry(), frameSize, main.screen()->availableGeometry(), clear);
        window.setGeometry(frame.marginsRemoved(margins));
        placed(window);
    }
    window.show();
    keepOnScreen(window);
    window.raise();
}

void takePlaceOf(QWidget& window, const QWidget& previous) {
    if (!previous.property(kPlaced).toBool()) return;
    window.setGeometry(previous.normalGeometry());
    placed(window);
}

void showInFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace orven::ui
