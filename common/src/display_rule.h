#pragma once

#include <QString>

class QLocale;

namespace orven {

// The display form made from a message form: no leading blank, a zero before the point, the
// locale's decimal separator.
QString displayFromMessage(const QString& message, const QLocale& locale);

}  // namespace orven
