#include "character/NumberText.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace veldora;

TEST(NumberText, DecimalSumsAreWrittenInGeneralFormatWithTheGivenSeparator) {
    const QString comma = QStringLiteral(",");
    EXPECT_EQ(formatDecimal(0.1 + 0.2, comma), QStringLiteral("0,3"));
    EXPECT_EQ(formatDecimal(12.5, comma), QStringLiteral("12,5"));
    EXPECT_EQ(formatDecimal(100, comma), QStringLiteral("100"));
    EXPECT_EQ(formatDecimal(-2.25, QStringLiteral(".")), QStringLiteral("-2.25"));
    EXPECT_EQ(formatDecimal(0.00001, comma), QStringLiteral("0,00001"));
    EXPECT_EQ(formatDecimal(0.000015, comma), QStringLiteral("0,000015"));
    EXPECT_EQ(formatDecimal(0.0000015, comma), QStringLiteral("1,5E-6"));
    EXPECT_EQ(formatDecimal(123456789012345.0, comma), QStringLiteral("123456789012345"));
    EXPECT_EQ(formatDecimal(1e15, comma), QStringLiteral("1E15"));
    // Rounding to 15 digits may carry into a new leading digit.
    EXPECT_EQ(formatDecimal(9.9999999999999999, comma), QStringLiteral("10"));
    EXPECT_EQ(formatDecimal(1.0 / 3.0, comma), QStringLiteral("0,333333333333333"));
    EXPECT_EQ(formatDecimal(-0.0, comma), QStringLiteral("0"));
}

TEST(NumberText, DecimalsReadWithEitherSeparatorAndRoundTripThroughText) {
    EXPECT_EQ(parseDecimal(QStringLiteral("12,5")), 12.5);
    EXPECT_EQ(parseDecimal(QStringLiteral("12.5")), 12.5);
    EXPECT_EQ(parseDecimal(QStringLiteral(" -3 ")), -3.0);
    EXPECT_EQ(parseDecimal(QStringLiteral("1,5E-5")), 1.5e-5);
    EXPECT_EQ(parseDecimal(QStringLiteral(",5")), 0.5);
    for (const char *bad : {"", " ", "abc", "1,2,3", "1 000", "E5", "1e", "nan", "inf", "1e999", "12,5м"})
        EXPECT_FALSE(parseDecimal(QString::fromUtf8(bad))) << bad;

    // Text is the store: adding and taking away the same amounts ends where it began.
    QString sum = QStringLiteral("0");
    for (const char *price : {"0,1", "0,2", "12,35", "1000,005"})
        sum = addDecimal(sum, *parseDecimal(QString::fromUtf8(price)), QStringLiteral(","));
    EXPECT_EQ(sum, QStringLiteral("1012,655"));
    for (const char *price : {"0,2", "1000,005", "0,1", "12,35"})
        sum = addDecimal(sum, -*parseDecimal(QString::fromUtf8(price)), QStringLiteral(","));
    EXPECT_EQ(sum, QStringLiteral("0"));
    EXPECT_EQ(addDecimal(QStringLiteral("12,6"), -12.5, QStringLiteral(",")), QStringLiteral("0,1"));
    EXPECT_EQ(addDecimal(QStringLiteral("0,1"), 0.2, QStringLiteral(",")), QStringLiteral("0,3"));
    EXPECT_EQ(addDecimal(QStringLiteral("1E-7"), 1e-7, QStringLiteral(",")), QStringLiteral("2E-7"));
    EXPECT_EQ(addDecimal(QStringLiteral("100000000000000"), 0.5, QStringLiteral(",")), QStringLiteral("100000000000000"));
}

TEST(NumberText, IntegersMustBeWholeAndFitThirtyTwoBits) {
    EXPECT_EQ(parseInt32(QStringLiteral("-3")), -3);
    EXPECT_EQ(parseInt32(QStringLiteral("+7")), 7);
    EXPECT_EQ(parseInt32(QStringLiteral(" 12 ")), 12);
    EXPECT_EQ(parseInt32(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(parseInt32(QStringLiteral("-2147483648")), -2147483647 - 1);
    for (const char *bad : {"", "-", "2147483648", "-2147483649", "1,5", "12a", "0x10", "١٢", "99999999999999999999"})
        EXPECT_FALSE(parseInt32(QString::fromUtf8(bad))) << bad;
    EXPECT_EQ(parseInt64(QStringLiteral("-9223372036854775808")), std::numeric_limits<qint64>::min());
    EXPECT_FALSE(parseInt64(QStringLiteral("9223372036854775808")));
    EXPECT_EQ(notAnIntegerMessage(QStringLiteral("abc")), QStringLiteral("'abc' is not a valid integer value"));
}

TEST(NumberText, DifferencesOfDecimalTextsAreNoMorePreciseThanTheTexts) {
    const QString comma = QStringLiteral(",");
    EXPECT_EQ(formatDecimal(decimalDifference(QStringLiteral("1234,5"), QStringLiteral("1234,4")), comma),
              QStringLiteral("-0,1"));
    EXPECT_EQ(formatDecimal(decimalDifference(QStringLiteral("0,1"), QStringLiteral("0,3")), comma), QStringLiteral("0,2"));
    EXPECT_EQ(formatDecimal(decimalDifference(QStringLiteral("27.5"), QStringLiteral("28,1")), comma), QStringLiteral("0,6"));
    EXPECT_EQ(decimalDifference(QStringLiteral("12,5"), QStringLiteral("12.5")), 0.0);
    EXPECT_EQ(decimalDifference(QStringLiteral("0"), QStringLiteral("1E20")), 1e20);
}
