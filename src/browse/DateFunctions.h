#pragma once

// Calendar arithmetic on date values: day counts from 30 December 1899 with a fraction for
// the time of day, which every function keeps. A week runs from Sunday to Saturday.
// Results outside the years 1 to 9999 raise an EngineError.
namespace DateFunctions {

bool IsLeapYear(int year);
int YearOf(double date);
int DayOfWeek(double date);  // 1 Sunday .. 7 Saturday

double StartOfWeek(double date);
double EndOfWeek(double date);
double StartOfMonth(double date);
double EndOfMonth(double date);
double StartOfQuarter(double date);
double EndOfQuarter(double date);

double QuarterStart(int quarter, int year);  // quarter 1..4
double QuarterEnd(int quarter, int year);
double YearStart(int year);
double YearEnd(int year);

// Counts may have a fraction: a month's fraction is 30 days of it, a year's 365.25.
double AddWeeks(double count, double date);
double AddMonths(double count, double date);
double AddYears(double count, double date);
double SubtractWeeks(double count, double date);
double SubtractMonths(double count, double date);
double SubtractYears(double count, double date);

// Today's local date with no time of day.
double Today();

} // namespace DateFunctions
