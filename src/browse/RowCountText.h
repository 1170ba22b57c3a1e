#pragma once
#include <QString>

struct LocaleFormats;

// "12,345 transactions" with the locale's grouping; "1 transaction".
QString rowCountText(int count, const LocaleFormats &formats);
