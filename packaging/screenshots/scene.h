#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace orven {
class Platform;
}

namespace orven::screenshots {

// One picture: a top-level window found by its object name after the default run.
struct Shot {
    QString name;      // the file is <program>-<name>.png
    QString window;    // "Form1", "Form2", ...
    QString openWith;  // a button of the main window that brings the window up; empty when the
                       // run shows it by itself
};

// How to take a program's pictures: its main window, the button that starts a run with the
// window's defaults, and the windows to grab afterwards.
struct Scene {
    QString program;
    std::function<std::unique_ptr<QWidget>(Platform&)> mainWindow;
    QString startButton;
    std::vector<Shot> shots;
};

// Each program's scene registers itself from its own file, which the build compiles only when
// the program's window library exists.
bool addScene(Scene scene);
const std::vector<Scene>& scenes();

}  // namespace orven::screenshots
