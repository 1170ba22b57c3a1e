#include "TppPropertyHelpers.h"

#include <cmath>

namespace tpp {

std::optional<int> toInt(const QVariant &value) {
    switch (value.typeId()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Short: case QMetaType::UShort: case QMetaType::Char: case QMetaType::UChar:
    case QMetaType::SChar: case QMetaType::Long: case QMetaType::ULong: {
        bool ok = false;
        const qlonglong number = value.toLongLong(&ok);
        if (!ok || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
            return std::nullopt;
        return int(number);
    }
    case QMetaType::Double: case QMetaType::Float: {
        // A whole number that came through a floating form is still accepted.
        const double number = value.toDouble();
        if (!std::isfinite(number) || number != std::floor(number) ||
            number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
            return std::nullopt;
        return int(number);
    }
    default: return std::nullopt;
    }
}

std::optional<double> toDouble(const QVariant &value) {
    if (auto whole = toInt(value)) return double(*whole);
    if (value.typeId() != QMetaType::Double && value.typeId() != QMetaType::Float) return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number)) return std::nullopt;
    return number;
}

std::optional<bool> toBool(const QVariant &value) {
    if (value.typeId() != QMetaType::Bool) return std::nullopt;
    return value.toBool();
}

std::optional<QString> toText(const QVariant &value) {
    if (value.typeId() != QMetaType::QString && value.typeId() != QMetaType::QByteArray) return std::nullopt;
    return value.toString();
}

std::optional<QStringList> toIdentifiers(const QVariant &value) {
    if (value.typeId() == QMetaType::QStringList) return value.toStringList();
    return std::nullopt;
}

} // namespace tpp
