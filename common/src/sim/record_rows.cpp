#include "orven/sim/record_rows.h"

#include <vector>

namespace orven::sim {

QString joinedEntries(std::span<const Fixed4> entries, const QString& separator) {
    QString row;
    for (const Fixed4 entry : entries) row += messageForm(entry) + separator;
    return row;
}

QString rateRow(const RateTable& mu, int source) {
    std::vector<Fixed4> entries;
    for (const double rate : mu.row(source)) entries.push_back(Fixed4::fromDouble(rate));
    return joinedEntries(entries);
}

}  // namespace orven::sim
