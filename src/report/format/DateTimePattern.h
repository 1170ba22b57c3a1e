#pragma once
#include "LocaleFormats.h"

// Formats a day number (day 0 = 30 December 1899, the fraction is the time of day) with a
// date-time pattern: c, d..dddddd, m..mmmm, yy, yyyy, h, hh, n, nn, s, ss, z, zzz, t, tt,
// am/pm, a/p, ampm, "/" and ":", and quoted literals. A "m" right after an hour means minutes.
// "c" is the short date, then the long time unless the time is exactly midnight.
QString formatDateTimePattern(const QString &pattern, double dayNumber, const LocaleFormats &formats);

// The time of day of a day number in the locale's long time format.
QString formatLongTime(double dayNumber, const LocaleFormats &formats);

// What "/" and ":" stand for in patterns and edit masks: the first separator of the locale's
// short date and of its long time format.
QChar dateSeparator(const LocaleFormats &formats);
QChar timeSeparator(const LocaleFormats &formats);
