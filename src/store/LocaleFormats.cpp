#include "LocaleFormats.h"

#include "DayNumber.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdio>

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

QString positiveForm(int form, const QString &symbol, const QString &number) {
    switch (form) {
    case 1: return number + symbol;
    case 2: return symbol + ' ' + number;
    case 3: return number + ' ' + symbol;
    default: return symbol + number;
    }
}

QString negativeForm(int form, const QString &s, const QString &n) {
    switch (form) {
    case 1: return "-" + s + n;
    case 2: return s + "-" + n;
    case 3: return s + n + "-";
    case 4: return "(" + n + s + ")";
    case 5: return "-" + n + s;
    case 6: return n + "-" + s;
    case 7: return n + s + "-";
    case 8: return "-" + n + " " + s;
    case 9: return "-" + s + " " + n;
    case 10: return n + " " + s + "-";
    case 11: return s + " " + n + "-";
    case 12: return s + " -" + n;
    case 13: return n + "- " + s;
    case 14: return "(" + s + " " + n + ")";
    case 15: return "(" + n + " " + s + ")";
    default: return "(" + s + n + ")";
    }
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
    return DayNumber::toDate(dayNumber).toString(shortDateFormat);
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

QString LocaleFormats::roundedDecimal(double value, int decimals, int significantDigits) {
    if (!std::isfinite(value)) return QString::number(value);
    value = std::fabs(value);
    if (decimals < 0) decimals = 0;
    significantDigits = std::clamp(significantDigits, 1, 17);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significantDigits - 1, value);
    // buffer: d.ddddde[+-]XX
    QByteArray digits;
    const char *p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits.append(*p);
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    int integerDigits = exponent + 1;  // digits before the point
    const int keep = integerDigits + decimals;
    if (keep < 0) {
        digits = "0";
        integerDigits = 1;
    } else if (keep < digits.size()) {
        const bool roundUp = digits.at(keep) >= '5';
        digits.truncate(keep);
        if (roundUp) {
            int i = keep - 1;
            for (; i >= 0; --i) {
                if (digits[i] == '9') {
                    digits[i] = '0';
                } else {
                    digits[i] = char(digits[i] + 1);
                    break;
                }
            }
            if (i < 0) {
                digits.prepend('1');
                ++integerDigits;
            }
        }
    }
    // Pad to the integer digits plus the decimals.
    while (integerDigits < 1) {
        digits.prepend('0');
        ++integerDigits;
    }
    while (digits.size() < integerDigits + decimals) digits.append('0');
    QString intPart = QString::fromLatin1(digits.left(integerDigits));
    while (intPart.size() > 1 && intPart.startsWith('0')) intPart.remove(0, 1);
    QString result = intPart;
    if (decimals > 0) result += '.' + QString::fromLatin1(digits.mid(integerDigits, decimals));
    return result;
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
    const QString plain = roundedDecimal(value, decimals);
    const QString number = groupDigits(plain);
    bool isZero = true;
    for (QChar c : plain)
        if (c.isDigit() && c != '0') isZero = false;
    if (value < 0 && !isZero) return negativeForm(negativeCurrencyFormat, currencySymbol, number);
    return positiveForm(currencyFormat, currencySymbol, number);
}

QString LocaleFormats::generalNumber(double value) const {
    QString text = QString::number(value, 'g', 15);
    text.replace('.', decimalSeparator);
    return text;
}
