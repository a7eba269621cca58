#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <QWidget>

namespace orven::testing {

class ScriptedPlatform;

// Finds a control of a window by its object name; a missing control ends the test program with
// its name, since no check of that test could mean anything.
template <typename T>
T* control(const QWidget& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (found == nullptr) {
        qFatal("%s has no control %s", qPrintable(window.objectName()), qPrintable(name));
    }
    return found;
}

// What a user does: click a button with the mouse, replace the text of a field by typing.
void click(const QWidget& window, const QString& button);
void typeInto(const QWidget& window, const QString& field, const QString& text);

// Turns the mouse wheel over a list by whole notches (negative: towards the user).
void turnWheel(QListWidget& list, int notches);

// What a user reads.
QStringList items(const QWidget& window, const QString& list);
QString textOf(const QWidget& window, const QString& control);
bool isShown(const QWidget& window, const QString& control);
// The row of a list that shows at a height of the screen (-1 where none).
int rowAtScreenHeight(const QListWidget& list, int globalY);

// The lines of a results file, decoded from Windows-1253, without their CR LF.
QStringList resultsFileLines(const ScriptedPlatform& platform, const QString& answer);

}  // namespace orven::testing
