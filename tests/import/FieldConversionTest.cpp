#include "DayNumber.h"
#include "FieldConversion.h"

#include <gtest/gtest.h>

namespace {

double day(int y, int m, int d) { return DayNumber::fromDate(QDate(y, m, d)); }

TEST(CleanText, KeepsOnlyNumberCharacters) {
    struct Case {
        QByteArray in, floatOut, integerOut;
    };
    for (const Case &c : {
             Case{"$1,234.56", "1234.56", "$123456"},
             Case{"(45.00)", "-45.00", "-4500"},
             Case{"-12.50", "-12.50", "-1250"},
             Case{"1.234,56", "1.23456", "123456"},
             Case{"$", "", "$"},
             Case{"-(3)", "-3", "-3"},
             Case{" 1e5 ", "1e5", "1e5"},
             Case{"n/a", "", "a"},
         }) {
        EXPECT_EQ(CleanFloatText(c.in, '.'), c.floatOut) << c.in.constData();
        EXPECT_EQ(CleanIntegerText(c.in), c.integerOut) << c.in.constData();
    }
    EXPECT_EQ(CleanFloatText("1.234,56", ','), "1234,56");
}

TEST(FloatField, ConvertsCleanedTextOrRefuses) {
    const ConversionRules rules;
    struct Case {
        QByteArray in;
        std::optional<double> value;
    };
    for (const Case &c : {Case{"(45.00)", -45}, Case{"$1,000.00", 1000}, Case{"", std::nullopt},
                          Case{"n/a", std::nullopt}, Case{"1.5E3", 1500}, Case{"-2.5e-1", -0.25}})
        EXPECT_EQ(floatFieldValue(c.in, rules), c.value) << c.in.constData();
    for (const QByteArray bad : {"-", "none", "1.2.3", "12-5", "1e", "1e999", "."})
        EXPECT_THROW(floatFieldValue(bad, rules), ConversionError) << bad.constData();
    ConversionRules comma;
    comma.decimalSeparator = ',';
    EXPECT_EQ(floatFieldValue("1.234,56", comma), 1234.56);
}

TEST(IntegerField, DecimalOrHexWithinRange) {
    EXPECT_EQ(integerFieldValue("1,234", IntegerKind::Integer), 1234);
    EXPECT_EQ(integerFieldValue("(7)", IntegerKind::SmallInt), -7);
    EXPECT_EQ(integerFieldValue("$ff", IntegerKind::Word), 255);
    EXPECT_EQ(integerFieldValue("", IntegerKind::Integer), std::nullopt);
    EXPECT_THROW(integerFieldValue("40000", IntegerKind::SmallInt), ConversionError);
    EXPECT_THROW(integerFieldValue("-1", IntegerKind::Word), ConversionError);
    EXPECT_THROW(integerFieldValue("12ab", IntegerKind::Integer), ConversionError);
    EXPECT_THROW(integerFieldValue("$", IntegerKind::Integer), ConversionError);
    EXPECT_THROW(integerFieldValue("99999999999999999999", IntegerKind::Integer), ConversionError);
}

struct DateCase {
    const char *text;
    DateOrder order;
    std::optional<double> expected;  // nullopt: a conversion failure
};

class DateTexts : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateTexts, FollowTheOrderAndTheWindow) {
    ConversionRules rules;
    rules.dateOrder = GetParam().order;
    rules.currentYear = 2014;
    if (GetParam().expected) EXPECT_EQ(dateTextToDay(GetParam().text, rules), *GetParam().expected);
    else EXPECT_THROW(dateTextToDay(GetParam().text, rules), ConversionError);
}

constexpr auto MDY = DateOrder::MonthDayYear;
constexpr auto DMY = DateOrder::DayMonthYear;
constexpr auto YMD = DateOrder::YearMonthDay;

INSTANTIATE_TEST_SUITE_P(
    Cases, DateTexts,
    ::testing::Values(DateCase{"1/15/2014", MDY, day(2014, 1, 15)}, DateCase{"1/15/14", MDY, day(2014, 1, 15)},
                      DateCase{"12/31/70", MDY, day(1970, 12, 31)}, DateCase{"1/1/63", MDY, day(2063, 1, 1)},
                      DateCase{"1/1/64", MDY, day(1964, 1, 1)}, DateCase{"1/15", MDY, day(2014, 1, 15)},
                      DateCase{" 1 / 15 / 2014 / ", MDY, day(2014, 1, 15)}, DateCase{"2/29/2012", MDY, day(2012, 2, 29)},
                      DateCase{"1/5/2014", DMY, day(2014, 5, 1)}, DateCase{"5/1", DMY, day(2014, 1, 5)},
                      DateCase{"2014/1/15", YMD, day(2014, 1, 15)}, DateCase{"14/1/15", YMD, day(2014, 1, 15)},
                      DateCase{"2/29/2013", MDY, std::nullopt}, DateCase{"2014-01-15", MDY, std::nullopt},
                      DateCase{"15/1/2014", MDY, std::nullopt}, DateCase{"1/15/2014 10:30", MDY, std::nullopt},
                      DateCase{"1/15/2014", DMY, std::nullopt}, DateCase{"1/15/", MDY, std::nullopt},
                      DateCase{"1/1/0000", MDY, std::nullopt}, DateCase{"1/1/20145", MDY, std::nullopt},
                      DateCase{"15", MDY, std::nullopt}, DateCase{"", MDY, std::nullopt}));

TEST(DateOrder, FirstLetterOfTheShortDateFormat) {
    EXPECT_EQ(dateOrderOf("M/d/yyyy"), MDY);
    EXPECT_EQ(dateOrderOf("dd.MM.yyyy"), DMY);
    EXPECT_EQ(dateOrderOf("yyyy-MM-dd"), YMD);
    EXPECT_EQ(dateOrderOf("-"), MDY);
    EXPECT_EQ(dateOrderFor(dfDMY, "M/d/yyyy"), DMY);
    EXPECT_EQ(dateOrderFor(dfBCD, "yyyy-MM-dd"), YMD);
}

TEST(DateField, EmptyIsNullExceptForEightDigitDates) {
    ConversionRules rules;
    EXPECT_EQ(dateFieldValue("  ", rules), std::nullopt);
    rules.dateFormat = dfBCD;
    EXPECT_EQ(dateFieldValue(" 20140115 ", rules), day(2014, 1, 15));
    EXPECT_THROW(dateFieldValue("", rules), ConversionError);
}

TEST(BCDDate, EightDigitsOrInvalid) {
    EXPECT_EQ(BCDTextToDate("20140115"), day(2014, 1, 15));
    EXPECT_EQ(BCDTextToDate("20140115xyz"), day(2014, 1, 15));
    for (const QByteArray bad : {"20140015", "201401", "abcd0115", "00000101"}) {
        try {
            BCDTextToDate(bad);
            ADD_FAILURE() << bad.constData();
        } catch (const ConversionError &error) {
            EXPECT_EQ(error.text(), "Invalid BCDdate format.") << bad.constData();
        }
    }
    EXPECT_THROW(BCDTextToDate("20140231"), ConversionError);
}

TEST(BooleanField, FirstCharacterDecides) {
    for (const QByteArray yes : {" yes", "true", "1", "U", "Yikes"}) EXPECT_TRUE(booleanFieldValue(yes)) << yes.constData();
    for (const QByteArray no : {"no", "0", "false", "", "   "}) EXPECT_FALSE(booleanFieldValue(no)) << no.constData();
}

TEST(MemoField, LimitIsInclusive) {
    EXPECT_NO_THROW(memoFieldValue(QByteArray(MemoLimit, 'm')));
    EXPECT_THROW(memoFieldValue(QByteArray(MemoLimit + 1, 'm')), MemoTooLongError);
}

TEST(StringText, Utf8OrWindows1252UpToNul) {
    EXPECT_EQ(fieldTextToString("Caf\xc3\xa9"), QString::fromUtf8("Café"));
    EXPECT_EQ(fieldTextToString("Caf\xe9 \x80"), QString::fromUtf8("Café €"));
    EXPECT_EQ(fieldTextToString(QByteArray("ab\0cd", 5)), "ab");
    EXPECT_EQ(fieldTextToString("\xc3"), QString::fromUtf8("Ã"));  // a cut-off sequence is no UTF-8
}

} // namespace
