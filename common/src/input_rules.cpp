#include "orven/input_rules.h"

#include <cmath>

namespace orven {

bool isValidPopulation(double value) {
    return value >= 1 && value <= kMaxPopulation && std::floor(value) == value;
}

int populationFor(double value) {
    return isValidPopulation(value) ? static_cast<int>(value) : 0;
}

QString populationRangeMessage(const QString& fieldHeading) {
    return QStringLiteral("Ο πληθυσμός ") + fieldHeading +
           QStringLiteral(" πρέπει να είναι ακέραιος από 1 έως 32767.");
}

QString errorTitle() {
    return QStringLiteral("Σφάλμα");
}

}  // namespace orven
