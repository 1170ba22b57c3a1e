#include "FieldText.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

LocaleFormats decimalComma() {
    LocaleFormats formats;
    formats.decimalSeparator = ',';
    formats.thousandsSeparator = '.';
    return formats;
}

TEST(FieldText, AmountsReadAsTheShortestTextOfAtMostFourDecimals) {
    const struct {
        double amount;
        const char *us, *comma;
    } cases[] = {
        {12.5, "12.5", "12,5"},        {-12.5, "-12.5", "-12,5"},  {1234567.0, "1234567", "1234567"},
        {0.12345, "0.1235", "0,1235"}, {-0.00001, "0", "0"},       {0, "0", "0"},
        {99.99, "99.99", "99,99"},     {-100000, "-100000", "-100000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(currencyFieldText(c.amount, LocaleFormats::unitedStates()), c.us);
        EXPECT_EQ(currencyFieldText(c.amount, decimalComma()), c.comma);
    }
}

TEST(FieldText, DecimalsAreReadWithTheLocaleSeparator) {
    EXPECT_EQ(parseDecimal(" 12.50 ", LocaleFormats::unitedStates()), 12.5);
    EXPECT_EQ(parseDecimal("12,50", decimalComma()), 12.5);
    EXPECT_EQ(parseDecimal("-100", decimalComma()), -100);
    for (const char *bad : {"", "  ", "abc", "12.5x", "inf", "nan", "1e999"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(parseDecimal(bad, LocaleFormats::unitedStates()));
    }
}

TEST(FieldText, UpperCasingMatchesQtForEveryText) {
    QString buffer;
    for (const QString &text : {QString("coffee Shop 12"), QString("CHECKING"), QString(""),
                                QString::fromUtf8("caf\u00e9 stra\u00dfe"), QString("mixed then caf\u00e9")}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(upperCased(text, buffer), text.toUpper());
    }
}

} // namespace
