#include "LocaleFormats.h"

#include <gtest/gtest.h>

TEST(LocaleFormats, CurrencyInTheUnitedStatesForm) {
    const LocaleFormats us = LocaleFormats::unitedStates();
    const struct {
        double value;
        const char *text;
    } cases[] = {
        {-12.3, "($12.30)"}, {1234567.891, "$1,234,567.89"}, {0.005, "$0.01"}, {-0.004, "$0.00"},
        {2.675, "$2.68"},    {999.995, "$1,000.00"},         {0, "$0.00"},
    };
    for (const auto &c : cases) EXPECT_EQ(us.formatCurrency(c.value), c.text) << c.value;
}

TEST(LocaleFormats, ShortDatesRoundTripAndTwoDigitYearsPivotAt1950) {
    const LocaleFormats us = LocaleFormats::unitedStates();
    EXPECT_EQ(us.formatShortDate(41654), "1/15/2014");
    EXPECT_EQ(us.parseShortDate("1/15/2014"), 41654);
    EXPECT_EQ(us.parseShortDate("01/15/14"), 41654);
    EXPECT_EQ(us.formatShortDate(*us.parseShortDate("1/1/50")), "1/1/1950");
    EXPECT_FALSE(us.parseShortDate("2/30/2014"));
    EXPECT_FALSE(us.parseShortDate("nonsense"));
    EXPECT_FALSE(us.parseShortDate(""));
}

TEST(LocaleFormats, ReadsAGermanLocale) {
    const LocaleFormats de = LocaleFormats::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(de.decimalSeparator, ',');
    EXPECT_EQ(de.formatShortDate(41654), "15.01.2014");
    EXPECT_EQ(de.formatCurrency(-1234.5), "-1.234,50 €");
}
