#include "orven/sim/progress.h"

#include <algorithm>
#include <cmath>

#include "orven/number_text.h"

namespace orven::sim {

int progressPercent(double clock, double runtime) {
    const double tenths = std::floor(10.0 * clock / runtime);
    if (!(tenths > 0.0)) return 0;
    return 10 * static_cast<int>(std::min(tenths, 10.0));
}

QString progressText(int percent) {
    return messageForm(static_cast<double>(percent)) + QStringLiteral(" %");
}

}  // namespace orven::sim
