#include "orven/double_solver/offsets.h"

#include "orven/number_text.h"

namespace orven::double_solver {

std::optional<QString> clampedOffset(const QString& offset, const QString& population) {
    QString text = offset;
    if (numberFromText(text) > numberFromText(population)) text = population;
    if (numberFromText(text) < 0) text = QStringLiteral("0");
    if (text == offset) return std::nullopt;
    return text;
}

}  // namespace orven::double_solver
