#pragma once
#include "TppComponents.h"
#include "TppEnums.h"
#include "TppObject.h"

#include <memory>
#include <optional>
#include <vector>

class TppGroup;
class TppReport;

// A horizontal strip of the page that prints as a whole: always exactly mmHeight tall.
// Its components print in the order they were added.
class TppBand : public TppObject {
public:
    explicit TppBand(TppBandType type) : type_(type) {}
    QString className() const override;

    TppBandType type() const { return type_; }
    TppReport *report() const { return report_; }
    TppGroup *group() const { return group_; }
    // Bands sort by this key; a group's bands take the group's number into account.
    int orderKey() const;

    bool visible = true;
    int mmHeight = 0;
    int mmBottomOffset = 0;
    int mmPrintPosition = 0;
    bool printOnFirstPage = true;  // page header and footer only
    bool printOnLastPage = true;   // page footer only

    // Height in the report's units.
    double height() const;
    void setHeight(double value);

    const std::vector<std::unique_ptr<TppComponent>> &components() const { return components_; }
    // Takes ownership; returns the component placed.
    TppComponent &add(std::unique_ptr<TppComponent> component);
    template <class T> T &add(const QString &name, const QString &userName) {
        auto component = std::make_unique<T>();
        component->setName(name);
        component->setUserName(userName);
        return static_cast<T &>(add(std::move(component)));
    }

    static QString classNameOf(TppBandType type);
    // The band kind of a class name ("TppDetailBand"); empty when not a band class.
    static std::optional<TppBandType> typeOfClass(const QString &className);

protected:
    const TppPropertyTable &propertyTable() const override;

private:
    friend class TppReport;
    TppBandType type_;
    TppReport *report_ = nullptr;
    TppGroup *group_ = nullptr;
    std::vector<std::unique_ptr<TppComponent>> components_;
};
