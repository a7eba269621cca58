#include "orven/ui/dialog_owner.h"

#include <QPointer>
#include <QWidget>
#include <vector>

namespace orven::ui {

namespace {

std::vector<QPointer<QWidget>>& owners() {
    static std::vector<QPointer<QWidget>> stack;
    return stack;
}

}  // namespace

DialogOwner::DialogOwner(QWidget& window) {
    owners().emplace_back(window.window());
}

DialogOwner::~DialogOwner() {
    owners().pop_back();
}

QWidget* DialogOwner::current() {
    const auto& stack = owners();
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        if (!it->isNull()) return it->data();
    }
    return nullptr;
}

}  // namespace orven::ui
