#include "orven/fixed4.h"

#include <QLocale>
#include <cmath>
#include <stdexcept>

#include "display_rule.h"

namespace orven {

double roundTo4(double value) {
    return std::nearbyint(value * 10000.0) / 10000.0;
}

void Fixed4::outOfRange() {
    throw std::domain_error("a value outside the four-decimal fixed point's range");
}

QString messageForm(Fixed4 value) {
    const std::int64_t count = value.count();
    if (count == 0) return QStringLiteral(" 0");
    const std::uint64_t magnitude =
        count < 0 ? 0 - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
    QString out = count < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    const std::uint64_t whole = magnitude / 10000;
    std::uint64_t fraction = magnitude % 10000;
    if (whole != 0) out += QString::number(whole);
    if (fraction != 0) {
        QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (digits.endsWith(u'0')) digits.chop(1);
        out += u'.' + digits;
    }
    return out;
}

QString displayForm(Fixed4 value, const QLocale& locale) {
    return displayFromMessage(messageForm(value), locale);
}

QString displayForm(Fixed4 value) {
    return displayForm(value, QLocale::system());
}

}  // namespace orven
