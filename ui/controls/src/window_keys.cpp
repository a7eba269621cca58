#include "orven/ui/window_keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

#include "orven/number_text.h"

namespace orven::ui {

namespace {

class WindowKeys final : public QObject {
  public:
    WindowKeys(QWidget& window, QAbstractButton* mainAction, std::function<void()> closeAction)
        : QObject(&window),
          window_(window),
          mainAction_(mainAction),
          closeAction_(std::move(closeAction)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
            return QObject::eventFilter(watched, event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter) {
            QWidget* focus = QApplication::focusWidget();
            if (focus == nullptr || focus->window() != &window_) return false;
            if (auto* button = qobject_cast<QAbstractButton*>(focus)) {
                if (button->isEnabled()) button->animateClick();
                return true;
            }
            if (mainAction_ && mainAction_->isEnabled()) {
                mainAction_->click();
                return true;
            }
            return false;
        }
        if (key->key() == Qt::Key_Escape && closeAction_) {
            closeAction_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget& window_;
    QPointer<QAbstractButton> mainAction_;
    std::function<void()> closeAction_;
};

}  // namespace

void setWindowKeys(QWidget& window, QAbstractButton* mainAction,
                   std::function<void()> closeAction) {
    auto* keys = new WindowKeys(window, mainAction, std::move(closeAction));
    // The key goes first to the focused control: watch every control of the window.
    window.installEventFilter(keys);
    for (QWidget* child : window.findChildren<QWidget*>()) child->installEventFilter(keys);
}

void makeOutputField(QLineEdit& field) {
    field.setReadOnly(true);
    field.setFocusPolicy(Qt::ClickFocus);
}

double numberIn(const QLineEdit& field) {
    return numberFromText(field.text());
}

}  // namespace orven::ui
