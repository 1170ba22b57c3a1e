#include "ReportFromStream.h"
#include "EngineError.h"
#include "PropertyValues.h"
#include <QSet>

namespace {

[[noreturn]] void fail(const QString &what) { throw EngineError("Invalid template: " + what); }

bool isGroupBand(TppBandType type)
{
    return type == TppBandType::btGroupHeader || type == TppBandType::btGroupFooter;
}

class StreamApplier {
public:
    StreamApplier(TppReport &report, const TemplateHandlers &handlers) : report_(report), handlers_(handlers) {}

    void apply(const StreamComponent &root)
    {
        if (root.className != "TppReport")
            fail(QStringLiteral("the layout holds a %1, not a TppReport").arg(root.className));
        report_.clear();
        names_ = {report_.name()};
        setProperties(report_, root, report_.name());
        for (const StreamComponent &child : root.children)
            addReportChild(child);
    }

private:
    TppReport &report_;
    const TemplateHandlers &handlers_;
    QSet<QString> names_;

    // Component names must stay unique: the refresh reaches everything by name.
    void claimName(const StreamComponent &object)
    {
        if (object.name.isEmpty())
            return;
        if (names_.contains(object.name))
            fail(QStringLiteral("the name %1 is used twice").arg(object.name));
        names_.insert(object.name);
    }

    void setProperties(TppObject &object, const StreamComponent &source, const QString &objectName)
    {
        for (const StreamProperty &p : source.properties) {
            if (p.name.compare("Name", Qt::CaseInsensitive) == 0)
                continue;  // the name stands in the object line
            if (!object.hasProperty(p.name))
                fail(QStringLiteral("%1 has no property %2").arg(objectName, p.name));
            if (!object.setProperty(p.name, toPropertyValue(p.value)))
                fail(QStringLiteral("%1.%2 cannot take the value given").arg(objectName, p.name));
        }
    }

    void addReportChild(const StreamComponent &child)
    {
        if (child.className == "TppGroup") {
            addGroup(child);
            return;
        }
        const std::optional<TppBandType> type = TppBand::typeOfClass(child.className);
        if (!type || isGroupBand(*type))
            fail(QStringLiteral("a report cannot hold %1 %2 directly").arg(child.className, child.name));
        addBand(child, *type, nullptr);
    }

    void addGroup(const StreamComponent &source)
    {
        claimName(source);
        TppGroup &group = report_.addGroup(source.name, QString());
        setProperties(group, source, source.name);
        for (const StreamComponent &child : source.children) {
            const std::optional<TppBandType> type = TppBand::typeOfClass(child.className);
            if (!type || !isGroupBand(*type))
                fail(QStringLiteral("a group cannot hold %1 %2").arg(child.className, child.name));
            addBand(child, *type, &group);
        }
    }

    void addBand(const StreamComponent &source, TppBandType type, TppGroup *group)
    {
        claimName(source);
        TppBand *band = report_.addBand(type, group);
        if (!band)
            fail(QStringLiteral("a second %1 (%2)").arg(source.className, source.name));
        band->setName(source.name);
        setProperties(*band, source, source.name);
        for (const StreamComponent &child : source.children)
            addComponent(*band, child);
    }

    void addComponent(TppBand &band, const StreamComponent &source)
    {
        std::unique_ptr<TppComponent> component = createComponent(source.className);
        if (!component)
            fail(QStringLiteral("the class %1 of %2 is not known").arg(source.className, source.name));
        if (!source.children.empty())
            fail(QStringLiteral("%1 cannot hold other components").arg(source.name));
        claimName(source);
        component->setName(source.name);
        setProperties(*component, source, source.name);
        bindHandlers(*component);
        band.add(std::move(component));
    }

    template <class Handler>
    Handler handlerNamed(const std::map<QString, Handler> &known, const QString &name)
    {
        const auto it = known.find(name);
        if (it == known.end())
            fail(QStringLiteral("the handler %1 is not known").arg(name));
        return it->second;
    }

    void bindHandlers(TppComponent &component)
    {
        if (auto *label = dynamic_cast<TppLabel *>(&component); label && !label->onGetTextName.isEmpty())
            label->onGetText = handlerNamed(handlers_.getText, label->onGetTextName);
        if (auto *variable = dynamic_cast<TppVariable *>(&component); variable && !variable->onCalcName.isEmpty())
            variable->onCalc = handlerNamed(handlers_.calc, variable->onCalcName);
    }
};

}  // namespace

void applyReportStream(TppReport &report, const StreamComponent &root, const TemplateHandlers &handlers)
{
    StreamApplier(report, handlers).apply(root);
}
