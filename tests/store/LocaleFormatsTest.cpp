#include "DayNumber.h"
#include "LocaleFormats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

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

namespace {

// The plain way to the same digits: printf's 15 significant digits, padded with zeros, then
// rounded half away from zero on the decimal text.
std::string referenceRounded(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    std::string digits;
    const char *p = buffer;
    for (; *p != 'e'; ++p)
        if (std::isdigit(static_cast<unsigned char>(*p))) digits += *p;
    int point = std::atoi(p + 1) + 1;  // digits before the decimal point
    for (; point < 1; ++point) digits.insert(0, "0");
    while (int(digits.size()) <= point + decimals) digits += '0';
    bool carry = digits[point + decimals] >= '5';
    digits.resize(point + decimals);
    for (int i = int(digits.size()) - 1; carry && i >= 0; --i) {
        carry = digits[i] == '9';
        digits[i] = carry ? '0' : char(digits[i] + 1);
    }
    if (carry) digits.insert(0, "1"), ++point;
    std::string integer = digits.substr(0, point);
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
    return decimals ? integer + "." + digits.substr(point) : integer;
}

std::string referenceUsCurrency(double value) {
    const std::string plain = referenceRounded(value, 2);
    std::string grouped = plain.substr(0, plain.size() - 3);
    for (int i = int(grouped.size()) - 3; i > 0; i -= 3) grouped.insert(i, ",");
    grouped = "$" + grouped + plain.substr(plain.size() - 3);
    const bool zero = plain.find_first_not_of("0.") == std::string::npos;
    return value < 0 && !zero ? "(" + grouped + ")" : grouped;
}

} // namespace

TEST(LocaleFormats, RoundingAgreesWithAPlainDecimalReference) {
    const LocaleFormats us = LocaleFormats::unitedStates();
    std::mt19937_64 random(11);
    std::vector<double> values = {0.0, -0.0, 0.005, -0.0049999, 1.005, 2.675, 999.995, 0.095, 9.5, -0.5,
                                  999999999999999.5, 1e15, 1e21, 1.7976931348623157e308, 5e-324, 1e-7};
    for (int i = 0; i < 60000; ++i) {
        switch (i % 4) {
        case 0: values.push_back(double(std::int64_t(random() % 2'000'000'000) - 1'000'000'000) / 100); break;
        case 1: values.push_back((double(random() % 1'000'000) + 0.5) / std::pow(10.0, double(random() % 7))); break;
        case 2: values.push_back(std::ldexp(double(random() >> 11), int(random() % 140) - 100)); break;
        default: {
            const std::uint64_t bits = random();
            double any;
            std::memcpy(&any, &bits, sizeof any);
            if (std::isfinite(any)) values.push_back(any);
        }
        }
    }
    for (const double value : values) {
        ASSERT_EQ(us.formatCurrency(value).toStdString(), referenceUsCurrency(value)) << std::hexfloat << value;
        for (const int decimals : {0, 1, 4, 9})
            ASSERT_EQ(LocaleFormats::roundedDecimal(value, decimals).toStdString(), referenceRounded(value, decimals))
                << std::hexfloat << value << " to " << decimals;
    }
}

TEST(LocaleFormats, ShortDatesAreWhatQtWritesForTheirPattern) {
    LocaleFormats formats = LocaleFormats::unitedStates();
    for (const char *pattern : {"M/d/yyyy", "dd.MM.yyyy", "yyyy-MM-dd", "d. M. yyyy", "dd/MM/yyyy", "d-M-yyyy г.",
                                "MMM d, yyyy", "dd 'de' MMMM yyyy", "yy/M/d", "ddd d/M/yyyy"}) {
        formats.shortDateFormat = QString::fromUtf8(pattern);
        for (int day = -800000; day < 3'100'000; day += 97) {
            const QDate date = DayNumber::toDate(day);
            ASSERT_EQ(formats.formatShortDate(day).toStdString(), date.toString(formats.shortDateFormat).toStdString()) << pattern << " " << day;
        }
    }
}
