#include "output_heading.h"

namespace orven::simple_solver::ui {

namespace {

QString fullHeading() {
    // The first three X are Greek capital chi, the fourth is Latin.
    return QStringLiteral("   n(r)           Χ1(n)          Χ2(n)         Χ3(n)          X4(n)");
}

// Where the heading of each list box starts in the full heading.
std::array<qsizetype, kOutputLists> headingStarts() {
    const QString heading = fullHeading();
    return {0, heading.indexOf(QStringLiteral("Χ1(n)")), heading.indexOf(QStringLiteral("Χ2(n)")),
            heading.indexOf(QStringLiteral("Χ3(n)")), heading.indexOf(QStringLiteral("X4(n)"))};
}

}  // namespace

QString outputHeading(int classes) {
    const QString heading = fullHeading();
    if (classes != 2) return heading;
    const qsizetype afterClass2 = headingStarts()[2] + QStringLiteral("Χ2(n)").size();
    return heading.left(afterClass2);
}

std::array<int, kOutputLists> outputHeadingSpans() {
    const auto starts = headingStarts();
    std::array<int, kOutputLists> spans{};
    for (std::size_t k = 0; k + 1 < starts.size(); ++k) {
        spans[k] = static_cast<int>(starts[k + 1] - starts[k]);
    }
    // The last heading has nothing after it: give its list the width of the one before.
    spans[kOutputLists - 1] = spans[kOutputLists - 2];
    return spans;
}

}  // namespace orven::simple_solver::ui
