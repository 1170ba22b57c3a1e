#pragma once
#include "LocaleFormats.h"
#include "ReportTypes.h"

// Turns a typed value and a component's display format into the text printed on a page.
// A null value always gives the empty text.
QString formatDisplayValue(const QString &displayFormat, TppDataType type, const TppValue &value,
                           const LocaleFormats &formats);
