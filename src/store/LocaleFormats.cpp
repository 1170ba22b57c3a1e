#include "LocaleFormats.h"

#include "DayNumber.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <charconv>

namespace {

// Qt may render a short date with a two-digit year; the program always shows four.
QString withFourDigitYear(QString format) {
    if (!format.contains("yyyy"))
        format.replace(QRegularExpression("y+"), "yyyy");
    return format;
}

QString withoutTimeZone(QString format) {
    format.remove(QRegularExpression("\\s*t+"));
    return format.trimmed();
}

QString normalizeSpaces(QString text) {
    text.replace(QChar(0x00A0), ' ');
    text.replace(QChar(0x202F), ' ');
    return text;
}

// The currency forms, "S" standing for the symbol and "#" for the number.
constexpr const char *positiveForms[] = {"S#", "#S", "S #", "# S"};
constexpr const char *negativeForms[] = {"(S#)", "-S#",  "S-#",  "S#-",  "(#S)", "-#S",  "#-S",   "#S-",
                                         "-# S", "-S #", "# S-", "S #-", "S -#", "#- S", "(S #)", "(# S)"};

QString inForm(const char *form, const QString &symbol, const QString &number) {
    QString text;
    text.reserve(symbol.size() + number.size() + 4);
    for (const char *c = form; *c; ++c) {
        if (*c == 'S') text += symbol;
        else if (*c == '#') text += number;
        else text += QLatin1Char(*c);
    }
    return text;
}

QString positiveForm(int form, const QString &symbol, const QString &number) {
    return inForm(positiveForms[form >= 0 && form < 4 ? form : 0], symbol, number);
}

QString negativeForm(int form, const QString &symbol, const QString &number) {
    return inForm(negativeForms[form >= 0 && form < 16 ? form : 0], symbol, number);
}

void appendNumber(QString &text, int value, int width) {
    char digits[8];
    int count = 0;
    for (; value > 0 || count < width; value /= 10) digits[count++] = char('0' + value % 10);
    while (count > 0) text += QLatin1Char(digits[--count]);
}

// Dates fill every grid screen, filter and report, and the usual short forms are only
// numbers: a pattern of d, dd, M, MM, yyyy and separators is written here as Qt writes it,
// for four-digit years; any other pattern or year gets no text and goes to Qt.
std::optional<QString> numericDate(const QString &pattern, const QDate &date) {
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    if (!date.isValid() || year < 1000 || year > 9999) return std::nullopt;
    QString text;
    text.reserve(pattern.size() + 2);
    for (qsizetype at = 0, run = 1; at < pattern.size(); at += run, run = 1) {
        const QChar c = pattern.at(at);
        while (at + run < pattern.size() && pattern.at(at + run) == c) ++run;
        if (c == 'd' && run <= 2) appendNumber(text, day, int(run));
        else if (c == 'M' && run <= 2) appendNumber(text, month, int(run));
        else if (c == 'y' && run == 4) appendNumber(text, year, 4);
        else if (c.isLetter() || c == '\'') return std::nullopt;
        else text += QStringView(pattern).mid(at, run);
    }
    return text;
}

} // namespace

LocaleFormats LocaleFormats::fromLocale(const QLocale &locale) {
    LocaleFormats f;
    f.shortDateFormat = withFourDigitYear(locale.dateFormat(QLocale::ShortFormat));
    f.longTimeFormat = withoutTimeZone(locale.timeFormat(QLocale::LongFormat));
    f.currencySymbol = locale.currencySymbol(QLocale::CurrencySymbol);
    f.decimalSeparator = locale.decimalPoint().isEmpty() ? QChar('.') : locale.decimalPoint().at(0);
    f.thousandsSeparator = locale.groupSeparator().isEmpty() ? QChar(',') : locale.groupSeparator().at(0);
    if (f.thousandsSeparator == QChar(0x00A0) || f.thousandsSeparator == QChar(0x202F))
        f.thousandsSeparator = ' ';

    const QString positive = normalizeSpaces(locale.toCurrencyString(1.0));
    const QString negative = normalizeSpaces(locale.toCurrencyString(-1.0));
    const QString digits = normalizeSpaces(locale.toString(1.0, 'f', 2));
    const int point = positive.indexOf(f.decimalSeparator);
    if (point >= 0) {
        int decimals = 0;
        while (point + 1 + decimals < positive.size() && positive.at(point + 1 + decimals).isDigit())
            ++decimals;
        f.currencyDecimals = decimals;
    } else {
        f.currencyDecimals = 0;
    }
    const QString number = normalizeSpaces(locale.toString(1.0, 'f', f.currencyDecimals));
    Q_UNUSED(digits);
    for (int form = 0; form < 4; ++form)
        if (positiveForm(form, f.currencySymbol, number) == positive) f.currencyFormat = form;
    f.negativeCurrencyFormat = 1;
    for (int form = 0; form < 16; ++form)
        if (negativeForm(form, f.currencySymbol, number) == negative) f.negativeCurrencyFormat = form;
    return f;
}

QString LocaleFormats::formatShortDate(double dayNumber) const {
    const QDate date = DayNumber::toDate(dayNumber);
    if (std::optional<QString> digits = numericDate(shortDateFormat, date)) return *std::move(digits);
    return date.toString(shortDateFormat);
}

std::optional<double> LocaleFormats::parseShortDate(const QString &text) const {
    // The order of day, month and year follows the position of their letters in the pattern.
    const int d = shortDateFormat.indexOf('d'), m = shortDateFormat.indexOf('M'),
              y = shortDateFormat.indexOf('y');
    QList<QPair<int, char>> order{{d, 'd'}, {m, 'm'}, {y, 'y'}};
    std::sort(order.begin(), order.end());
    const QStringList parts = text.trimmed().split(QRegularExpression("[^0-9]+"), Qt::SkipEmptyParts);
    if (parts.size() != 3) return std::nullopt;
    int day = 0, month = 0, year = 0;
    for (int i = 0; i < 3; ++i) {
        if (parts[i].size() > 4) return std::nullopt;
        const int value = parts[i].toInt();
        switch (order[i].second) {
        case 'd': day = value; break;
        case 'm': month = value; break;
        default:
            year = value;
            if (parts[i].size() <= 2) year += year < 50 ? 2000 : 1900;
        }
    }
    const QDate date(year, month, day);
    if (!date.isValid()) return std::nullopt;
    return DayNumber::fromDate(date);
}

namespace {

// |value| rounded to `significant` digits the way printf's %e rounds it: the digits, and the
// number of them before the decimal point (0 or less for values below 1).
struct Significand {
    char digits[17];
    int count = 0;
    int integerDigits = 0;
};

Significand significandOf(double magnitude, int significant) {
    char buffer[40];  // d.<16 digits>e-308
    const char *end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific,
                                    significant - 1).ptr;
    Significand s;
    const char *p = buffer;
    for (; p != end && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') s.digits[s.count++] = *p;
    int exponent = 0;
    if (p != end) std::from_chars(p + 1 + (p[1] == '+'), end, exponent);
    s.integerDigits = exponent + 1;
    return s;
}

// Rounds half away from zero to the first `keep` digits; a carry out of the first digit
// leaves "1" and one more integer digit.
void roundTo(Significand &s, int keep) {
    if (keep < 0) {
        s.digits[0] = '0';
        s.count = 1;
        s.integerDigits = 1;
        return;
    }
    if (keep >= s.count) return;
    const bool up = s.digits[keep] >= '5';
    s.count = keep;
    if (!up) return;
    int i = keep - 1;
    while (i >= 0 && s.digits[i] == '9') s.digits[i--] = '0';
    if (i >= 0) {
        ++s.digits[i];
        return;
    }
    // Every kept digit was 9 (or none was kept): the zeros after the new "1" add nothing.
    s.digits[0] = '1';
    s.count = 1;
    ++s.integerDigits;
}

// The plain digits of a rounded value: its integer part without leading zeros (at least
// "0"), then `decimals` digits after `point` when there are any; `separator`, when not null,
// between each group of three integer digits.
QString digitsText(const Significand &s, int decimals, QChar point, QChar separator) {
    const int leadingZeros = std::max(0, 1 - s.integerDigits);
    const int integers = std::max(1, s.integerDigits);
    const auto digitAt = [&](int at) {
        const int i = at - leadingZeros;
        return i >= 0 && i < s.count ? QChar(QLatin1Char(s.digits[i])) : QChar('0');
    };
    int first = 0;
    while (first < integers - 1 && digitAt(first) == QChar('0')) ++first;
    const int shown = integers - first;
    const int separators = separator.isNull() ? 0 : (shown - 1) / 3;
    QString text(shown + separators + (decimals > 0 ? 1 + decimals : 0), Qt::Uninitialized);
    QChar *out = text.data();
    for (int at = first; at < integers; ++at) {
        if (separators > 0 && at > first && (integers - at) % 3 == 0) *out++ = separator;
        *out++ = digitAt(at);
    }
    if (decimals > 0) {
        *out++ = point;
        for (int at = integers; at < integers + decimals; ++at) *out++ = digitAt(at);
    }
    return text;
}

Significand roundedSignificand(double value, int decimals, int significantDigits) {
    Significand s = significandOf(std::fabs(value), std::clamp(significantDigits, 1, 17));
    roundTo(s, s.integerDigits + decimals);
    return s;
}

bool allZero(const Significand &s) {
    return std::all_of(s.digits, s.digits + s.count, [](char c) { return c == '0'; });
}

} // namespace

// Formatting runs for every amount of a report and every cell of the grid, so the digits are
// made on the stack and turned into one string.
QString LocaleFormats::roundedDecimal(double value, int decimals, int significantDigits) {
    if (!std::isfinite(value)) return QString::number(value);
    decimals = std::max(decimals, 0);
    return digitsText(roundedSignificand(value, decimals, significantDigits), decimals, '.', QChar());
}

QString LocaleFormats::groupDigits(const QString &plainDigits) const {
    const int point = plainDigits.indexOf('.');
    QString intPart = point < 0 ? plainDigits : plainDigits.left(point);
    const QString fraction = point < 0 ? QString() : plainDigits.mid(point + 1);
    if (!thousandsSeparator.isNull())
        for (int i = intPart.size() - 3; i > 0; i -= 3) intPart.insert(i, thousandsSeparator);
    return fraction.isEmpty() ? intPart : intPart + decimalSeparator + fraction;
}

QString LocaleFormats::formatCurrency(double value, int decimals) const {
    if (decimals < 0) decimals = currencyDecimals;
    if (!std::isfinite(value)) return positiveForm(currencyFormat, currencySymbol, groupDigits(QString::number(value)));
    const Significand rounded = roundedSignificand(value, decimals, 15);
    const QString number = digitsText(rounded, decimals, decimalSeparator, thousandsSeparator);
    if (value < 0 && !allZero(rounded)) return negativeForm(negativeCurrencyFormat, currencySymbol, number);
    return positiveForm(currencyFormat, currencySymbol, number);
}

QString LocaleFormats::generalNumber(double value) const {
    QString text = QString::number(value, 'g', 15);
    text.replace('.', decimalSeparator);
    return text;
}
