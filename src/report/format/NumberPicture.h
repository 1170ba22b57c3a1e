#pragma once
#include "LocaleFormats.h"

// The general number form: up to 15 significant digits, the locale's decimal separator, no
// grouping and no trailing zeros; very large or very small values in exponent form.
QString formatGeneralNumber(double value, const LocaleFormats &formats);

// A number picture such as "#,##0.00;(#,##0.00);Zero": "0" a digit that always prints, "#" an
// optional digit, "." the decimal point, "," grouping, "E+00" an exponent, quoted literals, and
// up to three sections for positive, negative and zero values. Rounds half away from zero.
QString formatNumberPicture(const QString &picture, double value, const LocaleFormats &formats);
