#include "ReportToStream.h"
#include "EngineError.h"
#include "PropertyValues.h"
#include <set>

namespace {

// The report lists all its properties, because a template is applied onto a report that
// already has values of its own; other objects start new, so their defaults can be left out.
void writeProperties(const TppObject &object, const TppObject *defaults, StreamComponent &out)
{
    for (const QString &name : object.propertyNames()) {
        if (name == "Name" || name.startsWith("Template."))
            continue;
        const QVariant value = object.property(name);
        if (defaults && defaults->property(name) == value)
            continue;
        out.properties.push_back({name, fromPropertyValue(name, value)});
    }
}

StreamComponent objectHead(const TppObject &object)
{
    StreamComponent out;
    out.className = object.className();
    out.name = object.name();
    return out;
}

StreamComponent componentToStream(const TppComponent &component)
{
    StreamComponent out = objectHead(component);
    const std::unique_ptr<TppComponent> defaults = createComponent(component.className());
    if (!defaults)
        throw EngineError("A layout cannot hold a component of class " + component.className());
    writeProperties(component, defaults.get(), out);
    return out;
}

StreamComponent bandToStream(const TppBand &band)
{
    StreamComponent out = objectHead(band);
    const TppBand defaults(band.type());
    writeProperties(band, &defaults, out);
    for (const auto &component : band.components())
        out.children.push_back(componentToStream(*component));
    return out;
}

StreamComponent groupToStream(const TppGroup &group)
{
    StreamComponent out = objectHead(group);
    const TppGroup defaults;
    writeProperties(group, &defaults, out);
    for (const TppBand *band : {group.headerBand(), group.footerBand()})
        if (band)
            out.children.push_back(bandToStream(*band));
    return out;
}

}  // namespace

StreamComponent reportToStream(const TppReport &report)
{
    StreamComponent root = objectHead(report);
    writeProperties(report, nullptr, root);
    // Bands in print order; a group stands where its first band prints, holding both.
    std::set<const TppGroup *> written;
    for (const TppBand *band : report.bands()) {
        if (!band->group()) {
            root.children.push_back(bandToStream(*band));
        } else if (written.insert(band->group()).second) {
            root.children.push_back(groupToStream(*band->group()));
        }
    }
    for (const auto &group : report.groups())
        if (written.insert(group.get()).second)
            root.children.push_back(groupToStream(*group));
    return root;
}
