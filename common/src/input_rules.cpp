#include "orven/input_rules.h"

#include <cmath>

namespace orven {

bool isValidPopulation(double value) {
    return value >= 1 && value <= kMaxPopulation && std::floor(value) == value;
}

QString populationRangeMessage(const QString& fieldHeading) {
    return QStringLiteral("Ο πληθυσμός ") + fieldHeading +
           QStringLiteral(" πρέπει να είναι ακέραιος από 1 έως 32767.");
}

QString errorTitle() {
    return QStringLiteral("Σφάλμα");
}

}  // namespace orven
