#include "TppObject.h"

#include "TppPropertyHelpers.h"

QStringList TppObject::propertyNames() const {
    QStringList names;
    for (const TppProperty &property : propertyTable()) names << QString::fromLatin1(property.name);
    return names;
}

QVariant TppObject::property(const QString &name) const {
    const TppProperty *property = find(name);
    return property ? property->get(*this) : QVariant();
}

bool TppObject::setProperty(const QString &name, const QVariant &value) {
    const TppProperty *property = find(name);
    return property && property->set(*this, value);
}

const TppProperty *TppObject::find(const QString &name) const {
    for (const TppProperty &property : propertyTable())
        if (name.compare(QLatin1String(property.name), Qt::CaseInsensitive) == 0) return &property;
    return nullptr;
}

TppPropertyTable TppObject::objectProperties() {
    return {
        {"Name", [](const TppObject &o) { return QVariant(o.name()); },
         [](TppObject &o, const QVariant &v) {
             auto text = tpp::toText(v);
             if (text) o.setName(*text);
             return text.has_value();
         }},
        {"UserName", [](const TppObject &o) { return QVariant(o.userName()); },
         [](TppObject &o, const QVariant &v) {
             auto text = tpp::toText(v);
             if (text) o.setUserName(*text);
             return text.has_value();
         }},
    };
}
