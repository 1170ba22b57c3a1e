#pragma once
#include <QLocale>
#include <QString>
#include <optional>

// The user's regional formats, read once at start-up and handed to whatever formats or
// parses dates and money. Nothing else reads the system locale.
struct LocaleFormats {
    QString shortDateFormat = "M/d/yyyy";   // Qt date pattern, four-digit year
    QString longTimeFormat = "h:mm:ss AP";  // Qt time pattern
    QString currencySymbol = "$";
    int currencyFormat = 0;          // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    int negativeCurrencyFormat = 0;  // 0..15, 0 is "($1)"
    int currencyDecimals = 2;
    QChar decimalSeparator = '.';
    QChar thousandsSeparator = ',';

    // The fixed US formats the tests use.
    static LocaleFormats unitedStates() { return LocaleFormats{}; }
    static LocaleFormats fromLocale(const QLocale &locale);
    // The system's formats; under the C/POSIX locale (no regional settings at all) the US
    // ones, so that a fresh machine reads the US exports the program is made for.
    static LocaleFormats fromSystem() { return fromSystemLocale(QLocale::system()); }
    static LocaleFormats fromSystemLocale(const QLocale &system) {
        return system.language() == QLocale::C ? unitedStates() : fromLocale(system);
    }

    // Date in the short date format; day numbers count from 30 December 1899.
    QString formatShortDate(double dayNumber) const;
    // Reads a text in the short date order (separators and digit counts are lenient);
    // two-digit years pivot at 1950. Empty optional when the text is no date.
    std::optional<double> parseShortDate(const QString &text) const;

    // The currency form: symbol and placement, thousands separators, the negative form.
    // decimals < 0 takes the locale's currency decimals.
    QString formatCurrency(double value, int decimals = -1) const;

    // Digits of |value| rounded half away from zero to `decimals` places after first
    // rounding to `significantDigits`; "." as the decimal point, no grouping.
    static QString roundedDecimal(double value, int decimals, int significantDigits = 15);
    // Inserts the thousands separator into the integer part of a roundedDecimal text and
    // puts in the locale's decimal separator.
    QString groupDigits(const QString &plainDigits) const;
    // Up to 15 significant digits, no grouping, the locale's decimal separator: the form of
    // amounts in CSV rows and printed totals.
    QString generalNumber(double value) const;
};
