#pragma once

#include <QString>
#include <utility>

namespace orven::ui {

// Creates a control under the object name by which the window's handlers and tests know it
// ("Text2_0", "Command4"); the remaining arguments go to the control's constructor.
template <typename Control, typename... Arguments>
Control* namedControl(const QString& name, Arguments&&... arguments) {
    auto* control = new Control(std::forward<Arguments>(arguments)...);
    control->setObjectName(name);
    return control;
}

}  // namespace orven::ui
