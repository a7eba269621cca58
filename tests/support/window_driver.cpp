#include "window_driver.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <cstdlib>

#include "scripted_platform.h"

namespace orven::testing {

void turnWheel(QListWidget& list, int notches) {
    const QPointF at(list.viewport()->rect().center());
    for (int k = 0; k < std::abs(notches); ++k) {
        QWheelEvent wheel(at, list.viewport()->mapToGlobal(at), QPoint(),
                          QPoint(0, notches < 0 ? -120 : 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(list.viewport(), &wheel);
    }
}

int rowAtScreenHeight(const QListWidget& list, int globalY) {
    const QPoint at(4, list.viewport()->mapFromGlobal(QPoint(0, globalY)).y());
    return list.indexAt(at).row();
}

void click(const QWidget& window, const QString& button) {
    QTest::mouseClick(control<QAbstractButton>(window, button), Qt::LeftButton);
}

void typeInto(const QWidget& window, const QString& field, const QString& text) {
    auto* edit = control<QLineEdit>(window, field);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    } else {
        QTest::keyClicks(edit, text);
    }
}

QStringList items(const QWidget& window, const QString& list) {
    const auto* widget = control<QListWidget>(window, list);
    QStringList texts;
    for (int row = 0; row < widget->count(); ++row) texts.append(widget->item(row)->text());
    return texts;
}

QString textOf(const QWidget& window, const QString& name) {
    const auto* widget = control<QWidget>(window, name);
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    qFatal("%s is not a control with a text", qPrintable(name));
}

bool isShown(const QWidget& window, const QString& name) {
    return control<QWidget>(window, name)->isVisible();
}

QStringList resultsFileLines(const ScriptedPlatform& platform, const QString& answer) {
    QString text = decodeResults(platform.resultsFile(answer));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast();  // what follows the last CR LF
    return lines;
}

}  // namespace orven::testing
