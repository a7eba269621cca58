#include "orven/sim/results_content.h"

#include <algorithm>

#include "orven/fixed4.h"
#include "orven/sim/shares.h"

namespace orven::sim {

ResultsContent stateNumbers(int nmax) {
    ResultsContent content;
    for (int j = 0; j <= nmax; ++j) content.states.append(QString::number(j));
    return content;
}

ResultsContent resultsContent(const Shares& shares, int queues, const QString& totalRowLabel,
                              const QStringList& outputs, const QStringList& halfWidths) {
    ResultsContent content = stateNumbers(shares.P.nmax());
    content.states << QStringLiteral("---") << totalRowLabel;
    for (int k = 1; k <= queues; ++k) {
        QStringList column;
        for (const Fixed4 p : shares.P.row(k)) column.append(displayForm(p));
        column << QStringLiteral("----------")
               << displayForm(shares.psum[static_cast<std::size_t>(k)]);
        content.columns.push_back(column);
    }
    content.outputs = outputs;
    content.halfWidths = halfWidths;
    return content;
}

QString halfWidthText(std::optional<double> halfWidth) {
    if (!halfWidth) return QString();
    // Four decimals like the estimate; a half-width below 0.00005 still shows that it is small.
    const double shown = std::max(roundTo4(*halfWidth), 0.0001);
    return QStringLiteral("± ") + displayForm(Fixed4::fromDouble(shown)) +
           QStringLiteral(" (95 %)");
}

ResultsContent withoutTotals(ResultsContent content) {
    constexpr qsizetype kTotalRows = 2;
    content.states.resize(std::max<qsizetype>(0, content.states.size() - kTotalRows));
    for (QStringList& column : content.columns)
        column.resize(std::max<qsizetype>(0, column.size() - kTotalRows));
    return content;
}

}  // namespace orven::sim
