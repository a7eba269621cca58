#include "orven/number_text.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

#include "display_rule.h"

namespace orven {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The longest prefix of `text`, after leading blanks, that forms a decimal number, as ASCII.
std::string numberPrefix(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t')) ++i;

    std::string out;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-') out += '-';
        ++i;
    }
    bool digits = false;
    while (i < n && isDigit(text[i])) {
        out += static_cast<char>(text[i].unicode());
        digits = true;
        ++i;
    }
    if (i < n && text[i] == u'.') {
        std::string fraction = ".";
        ++i;
        while (i < n && isDigit(text[i])) {
            fraction += static_cast<char>(text[i].unicode());
            digits = true;
            ++i;
        }
        out += fraction;
    }
    if (!digits) return {};
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == u'+' || text[j] == u'-')) {
            exponent += static_cast<char>(text[j].unicode());
            ++j;
        }
        bool exponentDigits = false;
        while (j < n && isDigit(text[j])) {
            exponent += static_cast<char>(text[j].unicode());
            exponentDigits = true;
            ++j;
        }
        if (exponentDigits) out += exponent;
    }
    return out;
}

// The power of ten of the leading nonzero digit of a number prefix that has one: negative for a
// magnitude below 1. "0.00012" gives -4, "1200e-10" gives -7. A number beyond the range of a
// double underflows when this is negative and overflows otherwise, whether its size comes from
// its digits or from its exponent.
long long decimalOrder(const std::string& prefix) {
    const auto e = prefix.find('e');
    const std::string mantissa = prefix.substr(0, e);
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto lead = mantissa.find_first_of("123456789");
    long long order = lead < point ? static_cast<long long>(point - lead) - 1
                                   : -static_cast<long long>(lead - point);
    if (e != std::string::npos) {
        // Held far beyond any order a double reaches, so that a long exponent cannot overflow.
        constexpr long long bound = 1'000'000;
        long long exponent = 0;
        std::size_t k = e + 1;
        const bool negative = k < prefix.size() && prefix[k] == '-';
        if (k < prefix.size() && (prefix[k] == '-' || prefix[k] == '+')) ++k;
        for (; k < prefix.size(); ++k)
            exponent = std::min(bound, exponent * 10 + (prefix[k] - '0'));
        order += negative ? -exponent : exponent;
    }
    return order;
}

struct Decimal {
    std::string digits;  // significant digits, no trailing zeros, never empty
    int exponent = 0;    // the value is d.ddd * 10^exponent
};

// `magnitude` > 0 rounded to `significant` digits. std::to_chars writes what printf's "%.*e"
// writes, without its locale and format-string work: every number of a results block passes
// here.
Decimal toDecimal(double magnitude, int significant) {
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                       std::chars_format::scientific, significant - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const auto e = text.find('e');
    Decimal d;
    for (std::size_t k = 0; k < e; ++k) {
        if (text[k] != '.') d.digits += text[k];
    }
    const std::size_t exponentAt = e + (text[e + 1] == '+' ? 2 : 1);
    std::from_chars(text.data() + exponentAt, text.data() + text.size(), d.exponent);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

QString formatMagnitude(double magnitude, int significant, int plainExponentLimit) {
    const Decimal d = toDecimal(magnitude, significant);
    std::string out;
    if (d.exponent >= -4 && d.exponent < plainExponentLimit) {
        if (d.exponent >= 0) {
            const auto whole = static_cast<std::size_t>(d.exponent) + 1;
            std::string digits = d.digits;
            if (digits.size() < whole) digits.append(whole - digits.size(), '0');
            out = digits.substr(0, whole);
            if (digits.size() > whole) out.append(".").append(digits, whole);
        } else {
            out.assign(1, '.')
                .append(static_cast<std::size_t>(-d.exponent - 1), '0')
                .append(d.digits);
        }
    } else {
        out = d.digits.substr(0, 1);
        if (d.digits.size() > 1) out.append(".").append(d.digits, 1);
        char exponent[16];
        std::snprintf(exponent, sizeof exponent, "E%c%02d", d.exponent < 0 ? '-' : '+',
                      std::abs(d.exponent));
        out += exponent;
    }
    return QString::fromLatin1(out);
}

QString messageFormWith(double value, int significant, int plainExponentLimit) {
    // Never shown to a user: the computations stop before such a value reaches a window or a
    // file. Written so that a test that looks for it finds it, and no reader takes it for 0.
    if (std::isnan(value)) return QStringLiteral(" NaN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral(" Inf") : QStringLiteral("-Inf");
    if (value == 0) return QStringLiteral(" 0");
    const QString sign = value < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    return sign + formatMagnitude(std::fabs(value), significant, plainExponentLimit);
}

}  // namespace

double numberFromText(QStringView text) {
    const std::string prefix = numberPrefix(text);
    if (prefix.empty()) return 0;
    double value = 0;
    const auto [end, error] = std::from_chars(prefix.data(), prefix.data() + prefix.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (decimalOrder(prefix) < 0) return 0;
        const double largest = std::numeric_limits<double>::max();
        return prefix.front() == '-' ? -largest : largest;
    }
    return error == std::errc() ? value : 0;
}

QString messageForm(double value) {
    return messageFormWith(value, 15, 15);
}

QString messageFormSingle(float value) {
    return messageFormWith(static_cast<double>(value), 7, 7);
}

QString displayFromMessage(const QString& message, const QLocale& locale) {
    QString out = message;
    if (out.startsWith(u' ')) out.remove(0, 1);
    if (out.startsWith(u'.')) out.prepend(u'0');
    if (out.startsWith(QStringLiteral("-."))) out.insert(1, u'0');
    out.replace(u'.', locale.decimalPoint());
    return out;
}

QString displayForm(double value, const QLocale& locale) {
    return displayFromMessage(messageForm(value), locale);
}

QString displayFormSingle(float value, const QLocale& locale) {
    return displayFromMessage(messageFormSingle(value), locale);
}

QString displayForm(double value) {
    return displayForm(value, QLocale::system());
}

QString displayFormSingle(float value) {
    return displayFormSingle(value, QLocale::system());
}

double truncateTo(double value, double scale) {
    // Far above the rounding error of computed outputs, far below the 1/scale step.
    constexpr double kRelativeRoundingError = 1e-12;
    const double scaled = value * scale;
    const double nearest = std::round(scaled);
    if (std::fabs(scaled - nearest) <= kRelativeRoundingError * std::max(1.0, std::fabs(scaled)))
        return nearest / scale;
    return std::floor(scaled) / scale;
}

}  // namespace orven
