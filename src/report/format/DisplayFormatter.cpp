#include "DisplayFormatter.h"

#include "DateTimePattern.h"
#include "EditMask.h"
#include "NumberPicture.h"

#include <optional>

namespace {

// The type a value would have on its own, for values that do not fit the stated type.
TppDataType naturalType(const TppValue &value) {
    if (std::holds_alternative<bool>(value)) return TppDataType::dtBoolean;
    if (std::holds_alternative<TppDateTime>(value)) return TppDataType::dtDateTime;
    if (std::holds_alternative<qint64>(value)) return TppDataType::dtLongint;
    if (std::holds_alternative<double>(value)) return TppDataType::dtDouble;
    if (std::holds_alternative<TppCurrency>(value)) return TppDataType::dtCurrency;
    return TppDataType::dtString;
}

std::optional<double> numberOf(const TppValue &value) {
    if (auto v = std::get_if<TppDateTime>(&value)) return v->dayNumber;
    if (auto v = std::get_if<qint64>(&value)) return double(*v);
    if (auto v = std::get_if<double>(&value)) return *v;
    if (auto v = std::get_if<TppCurrency>(&value)) return v->value;
    return std::nullopt;
}

bool isDateType(TppDataType type) {
    return type == TppDataType::dtDate || type == TppDataType::dtTime || type == TppDataType::dtDateTime;
}

bool isNumberType(TppDataType type) {
    switch (type) {
    case TppDataType::dtInteger: case TppDataType::dtSingle: case TppDataType::dtDouble:
    case TppDataType::dtExtended: case TppDataType::dtLongint: case TppDataType::dtCurrency:
        return true;
    default:
        return false;
    }
}

bool isTextType(TppDataType type) {
    return type == TppDataType::dtChar || type == TppDataType::dtString || type == TppDataType::dtMemo;
}

bool fits(TppDataType type, const TppValue &value) {
    if (isDateType(type) || isNumberType(type)) return numberOf(value).has_value();
    if (type == TppDataType::dtBoolean) return std::holds_alternative<bool>(value);
    if (isTextType(type)) return std::holds_alternative<QString>(value);
    return false;
}

QString formatDate(const QString &format, TppDataType type, double day, const LocaleFormats &formats) {
    if (!format.isEmpty()) return formatDateTimePattern(format, day, formats);
    if (type == TppDataType::dtDate) return formatDateTimePattern("ddddd", day, formats);
    if (type == TppDataType::dtTime) return formatLongTime(day, formats);
    return formatDateTimePattern("c", day, formats);
}

// Decimals of a "$" format: the characters after "." in its first section.
int currencyDecimalsOf(const QString &format) {
    const QString first = format.section(';', 0, 0);
    const int point = first.indexOf('.');
    return point < 0 ? 0 : int(first.size() - point - 1);
}

QString formatNumber(const QString &format, TppDataType type, const TppValue &value,
                     const LocaleFormats &formats) {
    const double number = *numberOf(value);
    if (format.isEmpty()) {
        if (type == TppDataType::dtCurrency) return formats.formatCurrency(number);
        if (auto whole = std::get_if<qint64>(&value)) return QString::number(*whole);
        return formatGeneralNumber(number, formats);
    }
    if (format.contains('$')) return formats.formatCurrency(number, currencyDecimalsOf(format));
    return formatNumberPicture(format, number, formats);
}

QString formatBoolean(const QString &format, bool value) {
    if (format.isEmpty()) return value ? "True" : "False";
    const int separator = format.indexOf(';');
    if (separator < 0) return value ? format : QString();
    return value ? format.left(separator) : format.mid(separator + 1);
}

} // namespace

QString formatDisplayValue(const QString &displayFormat, TppDataType type, const TppValue &value,
                           const LocaleFormats &formats) {
    if (isNull(value)) return {};
    if (type == TppDataType::dtBLOB || type == TppDataType::dtGraphic) return {};
    if (!fits(type, value)) type = naturalType(value);
    if (isDateType(type)) return formatDate(displayFormat, type, *numberOf(value), formats);
    if (isNumberType(type)) return formatNumber(displayFormat, type, value, formats);
    if (type == TppDataType::dtBoolean) return formatBoolean(displayFormat, std::get<bool>(value));
    const QString &text = std::get<QString>(value);
    return displayFormat.isEmpty() ? text : applyEditMask(displayFormat, text, formats);
}
