#include "DateFunctions.h"
#include "EngineError.h"
#include "QtPrinters.h"
#include "RangePresets.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace DateFunctions;

namespace {

double on(int year, int month, int day) { return double(QDate(1899, 12, 30).daysTo(QDate(year, month, day))); }

QString text(double date) {
    return QDate(1899, 12, 30).addDays(qint64(std::floor(date))).toString(Qt::ISODate);
}

struct PresetCase {
    QDate today;
    const char *caption;
    QDate start, end;
};

TEST(RangePresets, GiveThePeriodsOfTheirCaptionsForToday) {
    const QDate wednesday(2014, 1, 15), monday(2014, 3, 31), tuesday(2016, 5, 31);
    const PresetCase cases[] = {
        {wednesday, "Today", {2014, 1, 15}, {2014, 1, 15}},
        {wednesday, "This week", {2014, 1, 12}, {2014, 1, 18}},
        {wednesday, "Last week", {2014, 1, 5}, {2014, 1, 11}},
        {wednesday, "2 weeks ago", {2013, 12, 29}, {2014, 1, 4}},
        {wednesday, "3 weeks ago", {2013, 12, 22}, {2013, 12, 28}},
        {wednesday, "4 weeks ago", {2013, 12, 15}, {2013, 12, 21}},
        {wednesday, "This month", {2014, 1, 1}, {2014, 1, 31}},
        {wednesday, "Last month", {2013, 12, 1}, {2013, 12, 31}},
        {wednesday, "2 months ago", {2013, 11, 1}, {2013, 11, 30}},
        {wednesday, "3 months ago", {2013, 10, 1}, {2013, 10, 31}},
        {wednesday, "This quarter", {2014, 1, 1}, {2014, 3, 31}},
        {wednesday, "Last quarter", {2013, 10, 1}, {2013, 12, 31}},
        {wednesday, "First quarter", {2014, 1, 1}, {2014, 3, 31}},
        {wednesday, "Second quarter", {2014, 4, 1}, {2014, 6, 30}},
        {wednesday, "Third quarter", {2014, 7, 1}, {2014, 9, 30}},
        {wednesday, "Forth quarter", {2014, 10, 1}, {2014, 12, 31}},
        {wednesday, "This year", {2014, 1, 1}, {2014, 12, 31}},
        {wednesday, "Last year", {2013, 1, 1}, {2013, 12, 31}},
        {monday, "Last month", {2014, 2, 1}, {2014, 2, 28}},
        {monday, "This week", {2014, 3, 30}, {2014, 4, 5}},
        {tuesday, "3 months ago", {2016, 2, 1}, {2016, 2, 29}},
        {{2016, 3, 31}, "Last month", {2016, 2, 1}, {2016, 2, 29}},
        {{2014, 1, 31}, "Last month", {2013, 12, 1}, {2013, 12, 31}},
        {{2014, 1, 12}, "This week", {2014, 1, 12}, {2014, 1, 18}},  // a Sunday
        {{2014, 1, 18}, "This week", {2014, 1, 12}, {2014, 1, 18}},  // a Saturday
        {{2014, 2, 28}, "Last quarter", {2013, 10, 1}, {2013, 12, 31}},
    };
    for (const PresetCase &c : cases) {
        SCOPED_TRACE(QString("%1 on %2").arg(c.caption, c.today.toString(Qt::ISODate)).toStdString());
        const RangePresetItem *item = findRangePreset(c.caption);
        ASSERT_NE(item, nullptr);
        const double today = on(c.today.year(), c.today.month(), c.today.day());
        const DateRange range = presetRange(item->preset, today + 0.75, {});
        EXPECT_EQ(text(range.start), c.start.toString(Qt::ISODate));
        EXPECT_EQ(text(range.end), c.end.toString(Qt::ISODate));
        EXPECT_EQ(range.start, std::floor(range.start)) << "presets carry no time of day";
    }
}

TEST(RangePresets, AllRestoresTheFullRangeAndUnknownCaptionsAreNone) {
    EXPECT_EQ(rangePresets().size(), 19u);
    EXPECT_STREQ(rangePresets().front().caption, "All");
    const DateRange all{on(2009, 1, 1), on(2014, 6, 30)};
    EXPECT_EQ(presetRange(RangePreset::All, on(2020, 1, 1), all), all);
    EXPECT_EQ(findRangePreset("this week"), nullptr);
    EXPECT_EQ(findRangePreset("Fourth quarter"), nullptr);
}

TEST(DateFunctions, MonthAndYearArithmeticClampsTheDay) {
    EXPECT_EQ(text(SubtractMonths(1, on(2014, 3, 31))), "2014-02-28");
    EXPECT_EQ(text(SubtractMonths(3, on(2016, 5, 31))), "2016-02-29");
    EXPECT_EQ(text(SubtractMonths(13, on(2014, 1, 15))), "2012-12-15");
    EXPECT_EQ(text(SubtractMonths(12, on(2014, 12, 15))), "2013-12-15");
    EXPECT_EQ(text(SubtractMonths(24, on(2014, 12, 15))), "2012-12-15");
    EXPECT_EQ(text(SubtractMonths(1, on(2014, 1, 15))), "2013-12-15");
    EXPECT_EQ(text(AddMonths(11, on(2014, 1, 31))), "2014-12-31");
    EXPECT_EQ(text(AddMonths(12, on(2014, 1, 31))), "2015-01-31");
    EXPECT_EQ(text(AddMonths(1, on(2014, 5, 31))), "2014-06-30");
    EXPECT_EQ(text(SubtractYears(1, on(2016, 2, 29))), "2015-02-28");
    EXPECT_EQ(text(AddYears(4, on(2016, 2, 29))), "2020-02-29");
}

TEST(DateFunctions, FractionsAddDaysAndTheTimeOfDayIsKept) {
    const double noon = on(2014, 1, 15) + 0.5;
    EXPECT_DOUBLE_EQ(AddMonths(1.5, noon), on(2014, 2, 15) + 15 + 0.5);
    EXPECT_DOUBLE_EQ(SubtractMonths(1.5, noon), on(2013, 12, 15) - 15 + 0.5);
    EXPECT_DOUBLE_EQ(AddYears(0.5, noon), on(2014, 1, 15) + 182.625 + 0.5);
    EXPECT_DOUBLE_EQ(AddWeeks(2, noon), noon + 14);
    EXPECT_DOUBLE_EQ(SubtractWeeks(1, noon), noon - 7);
    EXPECT_DOUBLE_EQ(EndOfMonth(noon), on(2014, 1, 31) + 0.5);
    EXPECT_DOUBLE_EQ(StartOfWeek(noon), on(2014, 1, 12) + 0.5);
    EXPECT_DOUBLE_EQ(EndOfQuarter(noon), on(2014, 3, 31) + 0.5);
}

TEST(DateFunctions, CalendarFacts) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2016));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2014));
    EXPECT_EQ(DayOfWeek(on(2014, 1, 12)), 1);  // Sunday
    EXPECT_EQ(DayOfWeek(on(2014, 1, 18)), 7);  // Saturday
    EXPECT_EQ(DayOfWeek(0), 7);                // 30 December 1899 was a Saturday
    EXPECT_EQ(YearOf(SubtractYears(19, on(2014, 6, 1))), 1995);
    EXPECT_EQ(text(QuarterEnd(2, 2014)), "2014-06-30");
}

TEST(DateFunctions, ImpossibleDatesFailWithAnError) {
    EXPECT_THROW(QuarterStart(0, 2014), EngineError);
    EXPECT_THROW(QuarterEnd(5, 2014), EngineError);
    EXPECT_THROW(AddYears(1e12, on(2014, 1, 1)), EngineError);
    EXPECT_THROW(AddMonths(std::nan(""), on(2014, 1, 1)), EngineError);
    EXPECT_THROW(AddYears(9000, on(2014, 1, 1)), EngineError);
}

} // namespace
