#pragma once

#include <QString>
#include <span>

#include "orven/fixed4.h"
#include "orven/sim/state_table.h"

namespace orven::sim {

// One row of a table as the one text item a results file holds: each entry in its message form,
// leading blank included, followed by `separator` (two blanks in the tables of rates and
// probabilities).
QString joinedEntries(std::span<const Fixed4> entries,
                      const QString& separator = QStringLiteral("  "));

// The rates of one source, each taken to four decimals, joined as above.
QString rateRow(const RateTable& mu, int source);

}  // namespace orven::sim
