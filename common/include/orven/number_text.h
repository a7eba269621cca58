#pragma once

#include <QString>
#include <QStringView>

class QLocale;

namespace orven {

// Reads the longest leading decimal number of a text, whatever the locale: leading blanks are
// skipped, then an optional sign, digits with at most one period, an optional exponent.
// A text with no such prefix gives 0. A value beyond the range of a double is held at the
// largest finite double of its sign, so no input ever yields infinity.
double numberFromText(QStringView text);

// The message form: a blank before a number that is not negative, a minus sign otherwise; a
// period as decimal point; no zero before the point; no trailing zeros. Plain decimal for
// magnitudes from 1E-04 up to 1E+15 (double) or 1E+07 (single), exponent form outside.
// A NaN reads " NaN" and an infinity " Inf" or "-Inf", never a number.
QString messageForm(double value);
QString messageFormSingle(float value);

// The display form: the message form without its leading blank, with a zero before the point
// when the magnitude is below 1 and the decimal separator of the given locale.
QString displayForm(double value, const QLocale& locale);
QString displayFormSingle(float value, const QLocale& locale);
// The same under the system locale, as the windows show numbers.
QString displayForm(double value);
QString displayFormSingle(float value);

// Int(value * scale) / scale, as the windows and files truncate outputs (Int rounds down),
// except that a product within rounding error of a whole number counts as that number: a rate
// of exactly 3 computed as 2.9999999999999996 shows as 3, not 2.999.
double truncateTo(double value, double scale);

}  // namespace orven
