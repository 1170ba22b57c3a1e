#pragma once
#include <QDate>
#include <cmath>

// Dates travel as day counts with a fraction for the time of day; day 0 is 30 December 1899.
namespace DayNumber {

inline QDate epoch() { return QDate(1899, 12, 30); }

inline QDate toDate(double day) { return epoch().addDays(static_cast<qint64>(std::floor(day))); }

inline double fromDate(const QDate &date) { return static_cast<double>(epoch().daysTo(date)); }

} // namespace DayNumber
