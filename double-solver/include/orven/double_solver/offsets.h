#pragma once

#include <QString>
#include <optional>

namespace orven::double_solver {

// What an offset field ("K1 - S1" against N1, "S4" against N4) becomes after an edit: the text
// of the population field when its number exceeds the population's, then "0" when its number is
// below 0; nothing when the text stays as typed.
std::optional<QString> clampedOffset(const QString& offset, const QString& population);

}  // namespace orven::double_solver
