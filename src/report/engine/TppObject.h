#pragma once
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

class TppObject;

// One published property: how to read it and how to write it. Values travel as QVariant:
//   whole numbers (positions, sizes, counts, colours 0xRRGGBB) as int, fractions as double,
//   switches as bool, texts as QString, an enumeration value as its identifier (QString,
//   "taCentered"), a set as a QStringList of identifiers, a reference to another object of the
//   report (DataPipeline, ResetGroup) as that object's name, a handler as the handler's name.
// A setter returns false when the value has the wrong type or is out of range; the property
// then keeps its old value.
struct TppProperty {
    const char *name;
    std::function<QVariant(const TppObject &)> get;
    std::function<bool(TppObject &, const QVariant &)> set;
};
using TppPropertyTable = std::vector<TppProperty>;

// Everything a report definition is made of: it has a component name (`ppLabel8`), a
// `UserName` ("Label8") and a table of published properties reachable by their names
// (dotted for nested ones: "Font.Size", "PrinterSetup.mmMarginTop").
class TppObject {
public:
    virtual ~TppObject() = default;
    virtual QString className() const = 0;

    const QString &name() const { return name_; }
    void setName(const QString &name) { name_ = name; }
    const QString &userName() const { return userName_; }
    void setUserName(const QString &userName) { userName_ = userName; }
    // Whether a reference to another object (DataPipeline, ResetGroup) names this one, by its
    // component name or its UserName; an empty reference names nothing.
    bool answersTo(const QString &reference) const {
        return !reference.isEmpty() && (reference == name_ || reference == userName_);
    }

    QStringList propertyNames() const;
    bool hasProperty(const QString &name) const { return find(name) != nullptr; }
    // Invalid QVariant when there is no such property. Names compare without regard to case.
    QVariant property(const QString &name) const;
    // False when there is no such property or the value does not suit it.
    bool setProperty(const QString &name, const QVariant &value);

protected:
    virtual const TppPropertyTable &propertyTable() const = 0;
    // The entries every object has: Name and UserName.
    static TppPropertyTable objectProperties();

private:
    const TppProperty *find(const QString &name) const;

    QString name_;
    QString userName_;
};
