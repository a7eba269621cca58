#include <gtest/gtest.h>

#include <QLocale>
#include <limits>

#include "orven/fixed4.h"
#include "orven/number_text.h"

using namespace orven;

TEST(NumberFromText, TakesTheLongestLeadingNumberWhateverFollows) {
    struct Case {
        const char16_t* text;
        double expected;
    };
    const Case cases[] = {
        {u"5", 5},    {u"", 0},        {u"7abc", 7},   {u"  -2.5e1x", -25}, {u"1.2.3", 1.2},
        {u".5", 0.5}, {u"abc", 0},     {u"-.5", -0.5}, {u"+3", 3},          {u"2.5", 2.5},
        {u"1e", 1},   {u"1e+", 1},     {u"3E2", 300},  {u"1,5", 1},         {u".", 0},
        {u"-", 0},    {u"\t 12 ", 12}, {u"5e-1", 0.5}, {u"0x10", 0},        {u"1 000", 1},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(numberFromText(QString::fromUtf16(c.text)), c.expected)
            << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(NumberFromText, NeverYieldsInfinity) {
    EXPECT_EQ(numberFromText(u"1e400"), std::numeric_limits<double>::max());
    EXPECT_EQ(numberFromText(u"-1e400"), -std::numeric_limits<double>::max());
    EXPECT_EQ(numberFromText(u"1e-400"), 0);
    // Beyond the range by its digits or against its exponent's sign: the size decides.
    const QString tinyDigits = QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1");
    EXPECT_EQ(numberFromText(tinyDigits), 0);
    EXPECT_EQ(numberFromText(QStringLiteral("-") + tinyDigits), 0);
    const QString hugeDigits = QStringLiteral("1") + QString(400, u'0');
    EXPECT_EQ(numberFromText(hugeDigits + QStringLiteral("e-50")),
              std::numeric_limits<double>::max());
    EXPECT_EQ(numberFromText(QStringLiteral("0.001e99999999999999999999")),
              std::numeric_limits<double>::max());
}

TEST(MessageForm, DoublesFollowTheBlankSignNoLeadingZeroRules) {
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {0.5, " .5"},
        {-0.5, "-.5"},
        {1, " 1"},
        {0, " 0"},
        {-0.0, " 0"},
        {roundTo4(1 / 1.1), " .9091"},
        {100000, " 100000"},
        {1e-5, " 1E-05"},
        {1e-4, " .0001"},
        {1.5e20, " 1.5E+20"},
        {-2.25e-7, "-2.25E-07"},
        {123456789012345.0, " 123456789012345"},
        {1e15, " 1E+15"},
        {10.0 / 11.0, " .909090909090909"},
        {2.0 / 3.0, " .666666666666667"},
        {0.8336, " .8336"},
        {-12.5, "-12.5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(messageForm(c.value).toStdString(), c.expected) << c.value;
    }
}

TEST(MessageForm, SinglesKeepSevenSignificantDigits) {
    EXPECT_EQ(messageFormSingle(100000.0f).toStdString(), " 100000");
    EXPECT_EQ(messageFormSingle(0.1f).toStdString(), " .1");
    EXPECT_EQ(messageFormSingle(1.0f / 3.0f).toStdString(), " .3333333");
    EXPECT_EQ(messageFormSingle(5000.5f).toStdString(), " 5000.5");
    EXPECT_EQ(messageFormSingle(1e7f).toStdString(), " 1E+07");
    EXPECT_EQ(messageFormSingle(-3.0f).toStdString(), "-3");
}

TEST(MessageForm, FixedPointShowsAtMostFourDecimals) {
    EXPECT_EQ(messageForm(Fixed4::fromDouble(0.52344)).toStdString(), " .5234");
    EXPECT_EQ(messageForm(Fixed4::fromDouble(1)).toStdString(), " 1");
    EXPECT_EQ(messageForm(Fixed4()).toStdString(), " 0");
    EXPECT_EQ(messageForm(Fixed4::fromDouble(-0.0005)).toStdString(), "-.0005");
    EXPECT_EQ(messageForm(Fixed4::fromDouble(12.25)).toStdString(), " 12.25");
    EXPECT_EQ(messageForm(Fixed4::fromCount(1000000000)).toStdString(), " 100000");
}

TEST(DisplayForm, UsesTheLocaleSeparatorAndAZeroBeforeThePoint) {
    const QLocale c(QLocale::C);
    const QLocale greek(QLocale::Greek, QLocale::Greece);
    EXPECT_EQ(displayForm(0.5, c).toStdString(), "0.5");
    EXPECT_EQ(displayForm(0.5, greek).toStdString(), "0,5");
    EXPECT_EQ(displayForm(-0.5, greek).toStdString(), "-0,5");
    EXPECT_EQ(displayForm(5, greek).toStdString(), "5");
    EXPECT_EQ(displayForm(12345678, greek).toStdString(), "12345678");
    EXPECT_EQ(displayForm(1e-5, c).toStdString(), "1E-05");
    EXPECT_EQ(displayForm(Fixed4::fromDouble(0.1667), greek).toStdString(), "0,1667");
    EXPECT_EQ(displayFormSingle(100000.0f, c).toStdString(), "100000");
}

TEST(FourDecimalRounding, ExactHalvesGoToTheEvenDigit) {
    EXPECT_EQ(roundTo4(0.03125), 0.0312);
    EXPECT_EQ(roundTo4(0.09375), 0.0938);
    EXPECT_EQ(roundTo4(-0.03125), -0.0312);
    EXPECT_EQ(roundTo4(1 / 1.1), 0.9091);
    EXPECT_EQ(Fixed4::fromDouble(0.03125).count(), 312);
    EXPECT_EQ(Fixed4::fromDouble(0.09375).count(), 938);
    EXPECT_EQ(Fixed4::fromDouble(-0.03125).count(), -312);
}

TEST(FixedPoint, EveryAdditionIsTakenToTheNearestTenThousandthFirst) {
    Fixed4 total;
    for (int k = 0; k < 3; ++k) total += 0.00004;  // each rounds to 0 on its own
    EXPECT_EQ(total.count(), 0);
    total += 0.00006;
    total += 0.1;
    EXPECT_EQ(total.count(), 1001);
    EXPECT_EQ(total.toDouble(), 0.1001);
}

TEST(Truncation, RoundsDownToTheGivenScale) {
    EXPECT_EQ(truncateTo(0.83369, 1000), 0.833);
    EXPECT_EQ(truncateTo(3, 1000), 3);
    EXPECT_EQ(truncateTo(1000 / 1.1, 1) / 1000, 0.909);
}

// No such value is ever meant to be shown or counted; where one slips through, it must be seen.
TEST(NonFiniteValues, ReadAsWhatTheyAreAndCannotBeCounted) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(messageForm(nan).toStdString(), " NaN");
    EXPECT_EQ(messageForm(-inf).toStdString(), "-Inf");
    EXPECT_EQ(messageFormSingle(std::numeric_limits<float>::infinity()).toStdString(), " Inf");
    EXPECT_EQ(displayForm(inf, QLocale::c()).toStdString(), "Inf");
    EXPECT_THROW(Fixed4::fromDouble(nan), std::domain_error);
    EXPECT_THROW(Fixed4::fromDouble(-inf), std::domain_error);
    EXPECT_THROW(Fixed4::fromDouble(1e15), std::domain_error);
    EXPECT_EQ(Fixed4::fromDouble(1e14).count(), 1'000'000'000'000'000'000);
}
