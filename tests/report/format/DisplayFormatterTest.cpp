#include "DisplayFormatter.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char *format;
    TppDataType type;
    TppValue value;
    const char *expected;
};

void PrintTo(const Case &c, std::ostream *os) { *os << '"' << c.format << "\" -> \"" << c.expected << '"'; }

class Formats : public testing::TestWithParam<Case> {};

TEST_P(Formats, GiveTheExpectedText) {
    const Case &c = GetParam();
    EXPECT_EQ(formatDisplayValue(c.format, c.type, c.value, LocaleFormats::unitedStates()), QString(c.expected));
}

using enum TppDataType;
constexpr double march15 = 45000;  // 15 March 2023, a Wednesday

INSTANTIATE_TEST_SUITE_P(Sums, Formats, testing::Values(
    Case{"0.00", dtDouble, 1234.5, "1234.50"},
    Case{"0.00", dtDouble, -5.0, "-5.00"},
    Case{"0.00", dtDouble, 0.0, "0.00"},
    Case{"0.00", dtDouble, 1.005, "1.01"},           // half away from zero after 15 digits
    Case{"0.00", dtDouble, -2.675, "-2.68"},
    Case{"0.00", dtDouble, -0.004, "0.00"},          // rounds to zero: no minus sign
    Case{"0.00", dtDouble, 1234567.891, "1234567.89"}));

INSTANTIATE_TEST_SUITE_P(Pictures, Formats, testing::Values(
    Case{"#,##0.00", dtDouble, 1234567.891, "1,234,567.89"},
    Case{"#,##0", dtDouble, 999.5, "1,000"},
    Case{"#,##0.00;(#,##0.00)", dtDouble, -1234.5, "(1,234.50)"},
    Case{"#,##0.00;(#,##0.00)", dtDouble, -0.001, "0.00"},
    Case{"0.00;(0.00);Zero", dtDouble, 0.001, "Zero"},
    Case{"0.00;;Zero", dtDouble, -3.0, "-3.00"},     // an empty negative section uses the first
    Case{"#.##", dtDouble, 0.5, ".5"},
    Case{"0.###", dtDouble, 1.5, "1.5"},
    Case{"0.##", dtDouble, 2.0, "2"},
    Case{"000", dtInteger, qint64(7), "007"},
    Case{"0", dtDouble, -0.4, "0"},
    Case{"0.00E+00", dtDouble, 12345.0, "1.23E+04"},
    Case{"0.0E-0", dtDouble, 0.00012, "1.2E-4"},
    Case{"'Total: '0.0", dtDouble, 3.0, "Total: 3.0"},
    Case{"(000) 000-0000", dtDouble, 5551234567.0, "(555) 123-4567"},
    Case{"0.00", dtCurrency, TppCurrency{-12.3}, "-12.30"}));

INSTANTIATE_TEST_SUITE_P(Currency, Formats, testing::Values(
    Case{"", dtCurrency, TppCurrency{-12.3}, "($12.30)"},
    Case{"", dtCurrency, TppCurrency{1234567.5}, "$1,234,567.50"},
    Case{"", dtCurrency, TppCurrency{1.015}, "$1.02"},
    Case{"", dtCurrency, TppCurrency{-0.001}, "$0.00"},
    Case{"$0.00", dtDouble, 1234.5, "$1,234.50"},
    Case{"$#,##0;($#,##0)", dtDouble, -12.3, "($12)"},
    Case{"$0.000", dtDouble, 2.0, "$2.000"}));

INSTANTIATE_TEST_SUITE_P(GeneralNumbers, Formats, testing::Values(
    Case{"", dtDouble, 1234.5, "1234.5"},
    Case{"", dtDouble, 0.1 + 0.2, "0.3"},
    Case{"", dtDouble, 1.0 / 3, "0.333333333333333"},
    Case{"", dtDouble, -2.5, "-2.5"},
    Case{"", dtDouble, 1e20, "1E20"},
    Case{"", dtDouble, 1.5e-7, "1.5E-7"},
    Case{"", dtSingle, 0.0, "0"},
    Case{"", dtLongint, qint64(9007199254740993), "9007199254740993"}));

INSTANTIATE_TEST_SUITE_P(DatesAndTimes, Formats, testing::Values(
    Case{"", dtDate, TppDateTime{march15}, "3/15/2023"},
    Case{"", dtDateTime, TppDateTime{march15}, "3/15/2023"},
    Case{"", dtDateTime, TppDateTime{march15 + 0.5}, "3/15/2023 12:00:00 PM"},
    Case{"", dtTime, TppDateTime{0.75}, "6:00:00 PM"},
    Case{"c", dtDate, TppDateTime{march15 + 0.25}, "3/15/2023 6:00:00 AM"},
    Case{"yyyy-mm-dd hh:nn", dtDateTime, TppDateTime{march15 + 0.5}, "2023-03-15 12:00"},
    Case{"dd/mm/yy", dtDate, TppDateTime{march15}, "15/03/23"},
    Case{"mmm d, yyyy", dtDate, TppDateTime{march15}, "Mar 15, 2023"},
    Case{"dddd", dtDate, TppDateTime{march15}, "Wednesday"},
    Case{"h:mm am/pm", dtTime, TppDateTime{0.75}, "6:00 pm"},
    Case{"\"at\" t", dtTime, TppDateTime{0.75}, "at 6:00 PM"},
    Case{"", dtDate, TppDateTime{1e300}, ""}));  // no date at all: nothing, not garbage

INSTANTIATE_TEST_SUITE_P(BooleansTextsAndNulls, Formats, testing::Values(
    Case{"", dtBoolean, true, "True"},
    Case{"Yes;No", dtBoolean, false, "No"},
    Case{"Yes;No", dtBoolean, true, "Yes"},
    Case{"", dtString, QString("Rent"), "Rent"},
    Case{"(999) 000-0000;0;_", dtString, QString("5551234567"), "(555) 123-4567"},
    Case{"(999) 000-0000;0;_", dtString, QString("555"), "(555) ___-____"},
    Case{"(999) 000-0000;1;_", dtString, QString("(555) 123-4567"), "(555) 123-4567"},
    Case{">LL<ll;0; ", dtString, QString("abCD"), "ABcd"},
    Case{"", dtString, 2.5, "2.5"},                 // a value of another type prints as itself
    Case{"", dtDate, TppValue{}, ""},
    Case{"0.00", dtCurrency, TppValue{}, ""},
    Case{"", dtString, TppValue{}, ""}));

} // namespace
