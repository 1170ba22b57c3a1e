#include "PreviewBoxes.h"

#include "EngineError.h"

namespace {

QString digitsOf(const QString &text) {
    QString digits;
    for (QChar c : text)
        if (c >= '0' && c <= '9') digits += c;
    return digits;
}

} // namespace

int previewPageBoxValue(const QString &text) {
    const QString digits = digitsOf(text);
    bool ok = false;
    const int value = digits.toInt(&ok);
    if (!ok) throw EngineError(QString("'%1' is not a valid integer value").arg(digits));
    return value;
}

int previewPercentageBoxValue(const QString &text) {
    bool ok = false;
    const int value = digitsOf(text).toInt(&ok);
    return ok ? value : 100;
}
