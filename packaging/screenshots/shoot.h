#pragma once

#include <QDir>
#include <QStringList>

#include "scene.h"

namespace orven::screenshots {

struct ShootResult {
    QStringList written;   // paths of the pictures saved
    QStringList failures;  // what could not be pictured, and why
};

// Opens the program's main window on a scripted platform (fixed seed and date, results written
// to a temporary folder), runs it with its defaults and saves a picture of every window asked.
ShootResult shoot(const Scene& scene, const QDir& folder);

}  // namespace orven::screenshots
