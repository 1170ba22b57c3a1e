#pragma once
#include "TppEnumNames.h"
#include "TppObject.h"

#include <QRgb>
#include <limits>
#include <optional>
#include <type_traits>

// Building blocks for the property tables of the definition classes.
namespace tpp {

std::optional<int> toInt(const QVariant &value);
std::optional<double> toDouble(const QVariant &value);
std::optional<bool> toBool(const QVariant &value);
std::optional<QString> toText(const QVariant &value);
std::optional<QStringList> toIdentifiers(const QVariant &value);

// A property backed by a value that `access` reaches inside an object of class C.
template <class C, class T, class Access>
TppProperty valueProperty(const char *name, Access access, double minimum = std::numeric_limits<double>::lowest()) {
    auto get = [access](const TppObject &object) -> QVariant {
        const T &value = access(const_cast<C &>(static_cast<const C &>(object)));
        if constexpr (std::is_enum_v<T>) return enumName(value);
        else return QVariant::fromValue(value);
    };
    auto set = [access, minimum](TppObject &object, const QVariant &value) -> bool {
        T &target = access(static_cast<C &>(object));
        if constexpr (std::is_enum_v<T>) {
            std::optional<T> parsed;
            if (auto text = toText(value)) parsed = enumFromName<T>(*text);
            if (parsed) target = *parsed;
            return parsed.has_value();
        } else {
            std::optional<T> parsed;
            if constexpr (std::is_same_v<T, int>) parsed = toInt(value);
            else if constexpr (std::is_same_v<T, double>) parsed = toDouble(value);
            else if constexpr (std::is_same_v<T, bool>) parsed = toBool(value);
            else parsed = toText(value);
            if constexpr (std::is_arithmetic_v<T> && !std::is_same_v<T, bool>)
                if (parsed && double(*parsed) < minimum) return false;
            if (parsed) target = *parsed;
            return parsed.has_value();
        }
    };
    return {name, get, set};
}

template <class C, class T>
TppProperty member(const char *name, T C::*field, double minimum = std::numeric_limits<double>::lowest()) {
    return valueProperty<C, T>(name, [field](C &object) -> T & { return object.*field; }, minimum);
}

template <class C, class S, class T>
TppProperty nested(const char *name, S C::*outer, T S::*inner,
                   double minimum = std::numeric_limits<double>::lowest()) {
    return valueProperty<C, T>(name, [outer, inner](C &object) -> T & { return (object.*outer).*inner; }, minimum);
}

// Colours are written as whole numbers 0xRRGGBB.
template <class C, class Access> TppProperty colorProperty(const char *name, Access access) {
    auto get = [access](const TppObject &object) -> QVariant {
        return int(access(const_cast<C &>(static_cast<const C &>(object))) & 0xFFFFFF);
    };
    auto set = [access](TppObject &object, const QVariant &value) -> bool {
        const auto color = toInt(value);
        if (!color || *color < 0 || *color > 0xFFFFFF) return false;
        access(static_cast<C &>(object)) = qRgb((*color >> 16) & 0xFF, (*color >> 8) & 0xFF, *color & 0xFF);
        return true;
    };
    return {name, get, set};
}

} // namespace tpp

// Appends the entries of `more` to `table`.
inline TppPropertyTable &operator+=(TppPropertyTable &table, const TppPropertyTable &more) {
    table.insert(table.end(), more.begin(), more.end());
    return table;
}
