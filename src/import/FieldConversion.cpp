#include "FieldConversion.h"

#include "DayNumber.h"

#include <QDate>
#include <cmath>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

QByteArray keepOnly(const QByteArray &text, auto keeps) {
    QByteArray kept;
    for (char c : text)
        if (keeps(c)) kept.append(c);
    // A bracketed amount is a negative one.
    if (text.contains('(') && !kept.startsWith('-')) kept.prepend('-');
    return kept;
}

// Reads the cleaned text of a float field: [-]digits[sep digits][(E|e)[-]digits].
std::optional<double> parseCleanFloat(const QByteArray &text, char decimalSeparator) {
    QByteArray plain;
    qsizetype i = 0;
    if (i < text.size() && text[i] == '-') plain.append(text[i++]);
    int digits = 0;
    while (i < text.size() && isDigit(text[i])) plain.append(text[i++]), ++digits;
    if (i < text.size() && text[i] == decimalSeparator) {
        plain.append('.');
        ++i;
        while (i < text.size() && isDigit(text[i])) plain.append(text[i++]), ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        plain.append('e');
        ++i;
        if (i < text.size() && text[i] == '-') plain.append(text[i++]);
        int exponentDigits = 0;
        while (i < text.size() && isDigit(text[i])) plain.append(text[i++]), ++exponentDigits;
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

struct DateScanner {
    const QByteArray &text;
    qsizetype at = 0;

    void skipBlanks() {
        while (at < text.size() && text[at] == ' ') ++at;
    }
    // Digits are read while the value so far is below 1000.
    bool number(int &value, int &digits) {
        skipBlanks();
        value = digits = 0;
        while (at < text.size() && isDigit(text[at]) && value < 1000) {
            value = value * 10 + (text[at++] - '0');
            ++digits;
        }
        return digits > 0;
    }
    bool separator(char separator) {
        skipBlanks();
        if (at < text.size() && text[at] == separator) {
            ++at;
            return true;
        }
        return false;
    }
};

// A year written with one or two digits lands in the hundred years starting 50 years ago.
int windowedYear(int year, int digits, int currentYear) {
    if (digits > 2) return year;
    const int base = currentYear - 50;
    year += base / 100 * 100;
    return year < base ? year + 100 : year;
}

[[noreturn]] void invalidDate(const QByteArray &text) {
    throw ConversionError(QString("'%1' is not a valid date").arg(fieldTextToString(text)));
}

double dayOf(int year, int month, int day, const QByteArray &text) {
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day)) invalidDate(text);
    return DayNumber::fromDate(QDate(year, month, day));
}

int bcdPart(const QByteArray &part) {
    if (part.isEmpty()) return 0;
    for (char c : part)
        if (!isDigit(c)) return 0;
    return part.toInt();
}

} // namespace

DateOrder dateOrderOf(const QString &shortDateFormat) {
    for (QChar c : shortDateFormat) {
        switch (c.toLower().unicode()) {
        case 'y': return DateOrder::YearMonthDay;
        case 'm': return DateOrder::MonthDayYear;
        case 'd': return DateOrder::DayMonthYear;
        default: break;
        }
    }
    return DateOrder::MonthDayYear;
}

DateOrder dateOrderFor(TDBcvtDateFormat format, const QString &shortDateFormat) {
    switch (format) {
    case dfMDY: return DateOrder::MonthDayYear;
    case dfDMY: return DateOrder::DayMonthYear;
    case dfYMD: return DateOrder::YearMonthDay;
    default: return dateOrderOf(shortDateFormat);
    }
}

QByteArray CleanFloatText(const QByteArray &text, char decimalSeparator) {
    return keepOnly(text, [decimalSeparator](char c) {
        return c == '-' || isDigit(c) || c == 'E' || c == 'e' || c == decimalSeparator;
    });
}

QByteArray CleanIntegerText(const QByteArray &text) {
    return keepOnly(text, [](char c) { return c == '$' || c == '-' || isHexDigit(c); });
}

double BCDTextToDate(const QByteArray &text) {
    const int year = bcdPart(text.mid(0, 4)), month = bcdPart(text.mid(4, 2)), day = bcdPart(text.mid(6, 2));
    if (year == 0 || month == 0 || day == 0) throw ConversionError("Invalid BCDdate format.");
    return dayOf(year, month, day, text);
}

double dateTextToDay(const QByteArray &text, const ConversionRules &rules) {
    DateScanner scan{text};
    int n1, n2, n3 = 0, d1, d2, d3 = 0;
    if (!scan.number(n1, d1) || !scan.separator(rules.dateSeparator) || !scan.number(n2, d2)) invalidDate(text);
    int year = 0, month = 0, day = 0;
    if (scan.separator(rules.dateSeparator)) {
        if (!scan.number(n3, d3)) invalidDate(text);
        switch (rules.dateOrder) {
        case DateOrder::MonthDayYear: month = n1, day = n2, year = windowedYear(n3, d3, rules.currentYear); break;
        case DateOrder::DayMonthYear: day = n1, month = n2, year = windowedYear(n3, d3, rules.currentYear); break;
        case DateOrder::YearMonthDay: year = windowedYear(n1, d1, rules.currentYear), month = n2, day = n3; break;
        }
        scan.separator(rules.dateSeparator);
    } else {
        year = rules.currentYear;
        if (rules.dateOrder == DateOrder::DayMonthYear) day = n1, month = n2;
        else month = n1, day = n2;
    }
    scan.skipBlanks();
    if (scan.at != text.size()) invalidDate(text);
    return dayOf(year, month, day, text);
}

std::optional<double> floatFieldValue(const QByteArray &text, const ConversionRules &rules) {
    const QByteArray clean = CleanFloatText(text, rules.decimalSeparator);
    if (clean.isEmpty()) return std::nullopt;
    if (auto value = parseCleanFloat(clean, rules.decimalSeparator)) return value;
    throw ConversionError(QString("'%1' is not a valid floating point value").arg(fieldTextToString(text)));
}

std::optional<qint64> integerFieldValue(const QByteArray &text, IntegerKind kind) {
    const QByteArray clean = CleanIntegerText(text);
    if (clean.isEmpty()) return std::nullopt;
    bool ok = false;
    qint64 value = 0;
    if (clean.startsWith('$')) {
        const QByteArray digits = clean.mid(1);
        ok = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), isHexDigit);
        if (ok) value = digits.toLongLong(&ok, 16);
    } else {
        const qsizetype start = clean.startsWith('-') ? 1 : 0;
        ok = clean.size() > start && std::all_of(clean.begin() + start, clean.end(), isDigit);
        if (ok) value = clean.toLongLong(&ok, 10);
    }
    const qint64 low = kind == IntegerKind::SmallInt ? -32768 : kind == IntegerKind::Word ? 0 : INT32_MIN;
    const qint64 high = kind == IntegerKind::SmallInt ? 32767 : kind == IntegerKind::Word ? 65535 : INT32_MAX;
    if (!ok || value < low || value > high)
        throw ConversionError(QString("'%1' is not a valid integer value").arg(fieldTextToString(text)));
    return value;
}

std::optional<double> dateFieldValue(const QByteArray &text, const ConversionRules &rules) {
    const QByteArray trimmed = text.trimmed();
    if (rules.dateFormat == dfBCD) return BCDTextToDate(trimmed);
    if (trimmed.isEmpty()) return std::nullopt;
    return dateTextToDay(trimmed, rules);
}

bool booleanFieldValue(const QByteArray &text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i == text.size()) return false;
    const char first = char(std::toupper(static_cast<unsigned char>(text[i])));
    return first == '1' || first == 'T' || first == 'U' || first == 'Y';
}

const QByteArray &memoFieldValue(const QByteArray &bytes) {
    if (bytes.size() > MemoLimit) throw MemoTooLongError("Record to long for a memofield.");
    return bytes;
}
