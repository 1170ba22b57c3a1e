#include "DateFunctions.h"

#include "DayNumber.h"
#include "EngineError.h"

#include <QDate>
#include <cmath>

namespace DateFunctions {

namespace {

constexpr int MaxYearCount = 10'000;

double timeOfDay(double date) { return date - std::floor(date); }

double encode(int year, int month, int day) {
    const QDate date(year, month, day);
    if (year < 1 || year > 9999 || !date.isValid())
        throw EngineError(QString("Invalid date: %1-%2-%3").arg(year).arg(month).arg(day));
    return DayNumber::fromDate(date);
}

int daysInMonth(int year, int month) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

int wholeCount(double count, int limit) {
    if (!std::isfinite(count) || std::fabs(count) > limit)
        throw EngineError(QString("Invalid date: a count of %1 is out of range").arg(count));
    return int(std::trunc(count));
}

int quarterFirstMonth(int month) { return (month - 1) / 3 * 3 + 1; }

} // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int YearOf(double date) { return DayNumber::toDate(date).year(); }

int DayOfWeek(double date) { return DayNumber::toDate(date).dayOfWeek() % 7 + 1; }

double StartOfWeek(double date) { return date - DayOfWeek(date) + 1; }

double EndOfWeek(double date) { return date - DayOfWeek(date) + 7; }

double StartOfMonth(double date) {
    const QDate d = DayNumber::toDate(date);
    return encode(d.year(), d.month(), 1) + timeOfDay(date);
}

double EndOfMonth(double date) {
    const QDate d = DayNumber::toDate(date);
    return encode(d.year(), d.month(), daysInMonth(d.year(), d.month())) + timeOfDay(date);
}

double StartOfQuarter(double date) {
    const QDate d = DayNumber::toDate(date);
    return encode(d.year(), quarterFirstMonth(d.month()), 1) + timeOfDay(date);
}

double EndOfQuarter(double date) {
    const QDate d = DayNumber::toDate(date);
    const int last = quarterFirstMonth(d.month()) + 2;
    return encode(d.year(), last, daysInMonth(d.year(), last)) + timeOfDay(date);
}

double QuarterStart(int quarter, int year) {
    if (quarter < 1 || quarter > 4) throw EngineError(QString("Invalid date: quarter %1").arg(quarter));
    return encode(year, 3 * quarter - 2, 1);
}

double QuarterEnd(int quarter, int year) {
    if (quarter < 1 || quarter > 4) throw EngineError(QString("Invalid date: quarter %1").arg(quarter));
    return encode(year, 3 * quarter, daysInMonth(year, 3 * quarter));
}

double YearStart(int year) { return encode(year, 1, 1); }

double YearEnd(int year) { return encode(year, 12, 31); }

double AddWeeks(double count, double date) { return date + 7 * count; }

double AddMonths(double count, double date) {
    const int whole = wholeCount(count, 12 * MaxYearCount);
    const QDate d = DayNumber::toDate(date);
    int year = d.year(), month = d.month(), day = d.day();
    const int c = whole + month;
    if (c > 12) {
        year += (c - 1) / 12;
        month = c % 12 == 0 ? 12 : c % 12;
    } else if (c >= 1) {
        month = c;
    } else {
        year += c / 12 - 1;  // integer division truncates toward zero
        month = 12 - (-c) % 12;
    }
    day = std::min(day, daysInMonth(year, month));
    return encode(year, month, day) + 30 * (count - whole) + timeOfDay(date);
}

double AddYears(double count, double date) {
    const int whole = wholeCount(count, MaxYearCount);
    const QDate d = DayNumber::toDate(date);
    const int year = d.year() + whole;
    const int day = d.month() == 2 && d.day() == 29 && !IsLeapYear(year) ? 28 : d.day();
    return encode(year, d.month(), day) + 365.25 * (count - whole) + timeOfDay(date);
}

double SubtractWeeks(double count, double date) { return AddWeeks(-count, date); }
double SubtractMonths(double count, double date) { return AddMonths(-count, date); }
double SubtractYears(double count, double date) { return AddYears(-count, date); }

double Today() { return DayNumber::fromDate(QDate::currentDate()); }

} // namespace DateFunctions
