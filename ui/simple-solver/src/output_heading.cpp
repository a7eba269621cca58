#include "output_heading.h"

namespace orven::simple_solver {

namespace {

QString fullHeading() {
    // The first three X are Greek capital chi, the fourth is Latin.
    return QStringLiteral("   n(r)           Χ1(n)          Χ2(n)         Χ3(n)          X4(n)");
}

}  // namespace

std::vector<qsizetype> outputHeadingStarts() {
    const QString heading = fullHeading();
    return {0, heading.indexOf(QStringLiteral("Χ1(n)")), heading.indexOf(QStringLiteral("Χ2(n)")),
            heading.indexOf(QStringLiteral("Χ3(n)")), heading.indexOf(QStringLiteral("X4(n)"))};
}

QString outputHeading(int classes) {
    const QString heading = fullHeading();
    if (classes != 2) return heading;
    const qsizetype afterClass2 = outputHeadingStarts()[2] + QStringLiteral("Χ2(n)").size();
    return heading.left(afterClass2);
}

}  // namespace orven::simple_solver
