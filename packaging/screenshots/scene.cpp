#include "scene.h"

#include <algorithm>

namespace orven::screenshots {

namespace {
std::vector<Scene>& registry() {
    static std::vector<Scene> all;
    return all;
}
}  // namespace

bool addScene(Scene scene) {
    auto& all = registry();
    // The order of static initialisation across files is unspecified; the order of the output
    // should not be.
    const auto at = std::lower_bound(
        all.begin(), all.end(), scene.program,
        [](const Scene& entry, const QString& program) { return entry.program < program; });
    all.insert(at, std::move(scene));
    return true;
}

const std::vector<Scene>& scenes() {
    return registry();
}

}  // namespace orven::screenshots
