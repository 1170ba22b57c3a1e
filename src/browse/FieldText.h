#pragma once
#include "LocaleFormats.h"

#include <QString>
#include <optional>

// How criteria see non-text values: amounts as the shortest decimal text of at most four
// decimals ("-" for negatives, the locale's decimal separator, no grouping or symbol).
QString currencyFieldText(double amount, const LocaleFormats &formats);

// A decimal number written with the locale's decimal separator; empty optional when the text
// is none (or not finite).
std::optional<double> parseDecimal(const QString &text, const LocaleFormats &formats);

// Upper-cases like QString::toUpper; ASCII text is done in `buffer` without allocating, since
// this runs for every record a criterion looks at.
const QString &upperCased(const QString &text, QString &buffer);
