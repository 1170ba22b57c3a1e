#pragma once
#include "ImportTypes.h"

#include <QByteArray>
#include <QString>
#include <optional>

#include "EngineError.h"

// A field text the destination refuses; the import engine notes the record as bad.
class ConversionError : public EngineError {
public:
    using EngineError::EngineError;
};

// A memo text beyond what a memo field takes.
class MemoTooLongError : public ConversionError {
public:
    using ConversionError::ConversionError;
};

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The rules of one transfer. They travel with the conversion instead of living anywhere
// global, so nothing outside the transfer ever sees them.
struct ConversionRules {
    TDBcvtDateFormat dateFormat = dfWindows;
    DateOrder dateOrder = DateOrder::MonthDayYear;  // already resolved for dfWindows and dfBCD
    char dateSeparator = '/';
    char timeSeparator = ':';
    char decimalSeparator = '.';
    int currentYear = 2000;
};

// The order of a short date pattern: the first of the letters y, m, d decides.
DateOrder dateOrderOf(const QString &shortDateFormat);
DateOrder dateOrderFor(TDBcvtDateFormat format, const QString &shortDateFormat);

QByteArray CleanFloatText(const QByteArray &text, char decimalSeparator);
QByteArray CleanIntegerText(const QByteArray &text);

// Day numbers (day 0 = 30 December 1899). Both throw ConversionError.
double BCDTextToDate(const QByteArray &text);
double dateTextToDay(const QByteArray &text, const ConversionRules &rules);

// Null for an empty cleaned text; ConversionError for anything that is no number.
std::optional<double> floatFieldValue(const QByteArray &text, const ConversionRules &rules);
enum class IntegerKind { SmallInt, Integer, Word };
std::optional<qint64> integerFieldValue(const QByteArray &text, IntegerKind kind);
// Null for an empty trimmed text (never for dfBCD, where empty text is refused).
std::optional<double> dateFieldValue(const QByteArray &text, const ConversionRules &rules);
bool booleanFieldValue(const QByteArray &text);
constexpr int MemoLimit = 32758;
const QByteArray &memoFieldValue(const QByteArray &bytes);  // throws MemoTooLongError

// The text a string field gets: up to a character 0, valid UTF-8 read as UTF-8 and anything
// else as Windows-1252.
QString fieldTextToString(const QByteArray &bytes);
