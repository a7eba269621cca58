#include "shoot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QTest>
#include <QThreadPool>

#include "scripted_platform.h"

namespace orven::screenshots {

namespace {

QWidget* shownWindow(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible()) return window;
    }
    return nullptr;
}

bool press(QWidget& window, const QString& button) {
    auto* found = window.findChild<QAbstractButton*>(button);
    if (found == nullptr) return false;
    QTest::mouseClick(found, Qt::LeftButton);
    QApplication::processEvents();
    return true;
}

// Whether some window still computes the exact value beside its result.
bool exactValueComputing() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (const QLabel* label : window->findChildren<QLabel*>(QStringLiteral("ExactValue"))) {
            if (label->text().contains(QStringLiteral("υπολογίζεται"))) return true;
        }
    }
    return false;
}

}  // namespace

ShootResult shoot(const Scene& scene, const QDir& folder) {
    ShootResult result;
    testing::ScriptedPlatform platform;
    const std::unique_ptr<QWidget> main = scene.mainWindow(platform);
    main->show();
    if (!QTest::qWaitForWindowExposed(main.get())) {
        result.failures << scene.program + QStringLiteral(": the main window was not shown");
        return result;
    }
    if (!press(*main, scene.startButton)) {
        result.failures << scene.program + QStringLiteral(": no button ") + scene.startButton;
        return result;
    }
    // The pictures show the exact value that the worker brings, not the wait for it.
    if (!QTest::qWaitFor([] { return !exactValueComputing(); }, 60000))
        result.failures << scene.program + QStringLiteral(": the exact value never came");

    for (const Shot& shot : scene.shots) {
        const QString what = scene.program + QStringLiteral(" ") + shot.window;
        if (!shot.openWith.isEmpty() && !press(*main, shot.openWith)) {
            result.failures << what + QStringLiteral(": no button ") + shot.openWith;
            continue;
        }
        // What a window computes on worker threads (the plots' exact values) is in the picture.
        // The charts lay their legends out a few rounds of events after their figures change.
        QThreadPool::globalInstance()->waitForDone();
        QTest::qWait(100);
        QWidget* window = shownWindow(shot.window);
        if (window == nullptr) {
            result.failures << what + QStringLiteral(": the window is not shown");
            continue;
        }
        const QString path = folder.filePath(scene.program + QStringLiteral("-") + shot.name +
                                             QStringLiteral(".png"));
        if (!window->grab().save(path)) {
            result.failures << what + QStringLiteral(": could not save ") + path;
            continue;
        }
        result.written << path;
    }
    // Secondary windows that the run opened close with the program, as they would for a user.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != main.get()) window->close();
    }
    return result;
}

}  // namespace orven::screenshots
