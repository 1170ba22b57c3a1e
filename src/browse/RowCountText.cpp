#include "RowCountText.h"

#include "LocaleFormats.h"

QString rowCountText(int count, const LocaleFormats &formats) {
    return formats.groupDigits(QString::number(count)) + (count == 1 ? " transaction" : " transactions");
}
