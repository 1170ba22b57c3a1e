#include "FieldText.h"

#include <cmath>

QString currencyFieldText(double amount, const LocaleFormats &formats) {
    QString digits = LocaleFormats::roundedDecimal(amount, 4);
    if (digits.contains('.')) {
        while (digits.endsWith('0')) digits.chop(1);
        if (digits.endsWith('.')) digits.chop(1);
    }
    if (amount < 0 && digits != "0") digits.prepend('-');
    if (formats.decimalSeparator != '.') digits.replace('.', formats.decimalSeparator);
    return digits;
}

std::optional<double> parseDecimal(const QString &text, const LocaleFormats &formats) {
    QString plain = text.trimmed();
    if (plain.isEmpty()) return std::nullopt;
    if (formats.decimalSeparator != '.') plain.replace(formats.decimalSeparator, '.');
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

const QString &upperCased(const QString &text, QString &buffer) {
    bool hasLower = false;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 128) {
            buffer = text.toUpper();
            return buffer;
        }
        if (u >= 'a' && u <= 'z') hasLower = true;
    }
    if (!hasLower) return text;
    buffer.resize(text.size());
    QChar *out = buffer.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        out[i] = QChar(u >= 'a' && u <= 'z' ? char16_t(u - 32) : u);
    }
    return buffer;
}
