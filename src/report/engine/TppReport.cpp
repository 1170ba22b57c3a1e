#include "TppReport.h"

#include "TppPropertyHelpers.h"
#include "TppReportEngine.h"

#include <algorithm>
#include <deque>
#include <string>

using namespace tpp;

TppReport::TppReport() {
    setName("ppReport1");
    setUserName("Report1");
}

TppReport::~TppReport() = default;

TppReportEngine &TppReport::engine() {
    if (!engine_) engine_ = std::make_unique<TppReportEngine>(*this);
    return *engine_;
}

// --- definition -------------------------------------------------------------------------

void TppReport::clear() {
    definitionChanged();
    bands_.clear();
    groups_.clear();
}

TppBand *TppReport::addBand(TppBandType type, TppGroup *group) {
    const bool groupBand = type == TppBandType::btGroupHeader || type == TppBandType::btGroupFooter;
    if (groupBand != (group != nullptr) || (group && groupNo(group) < 0)) return nullptr;
    if (groupBand) {
        TppBand *&slot = type == TppBandType::btGroupHeader ? group->header_ : group->footer_;
        if (slot) return nullptr;
        bands_.push_back(std::make_unique<TppBand>(type));
        slot = bands_.back().get();
    } else {
        if (band(type)) return nullptr;
        bands_.push_back(std::make_unique<TppBand>(type));
    }
    TppBand *added = bands_.back().get();
    added->report_ = this;
    added->group_ = group;
    definitionChanged();
    return added;
}

TppGroup &TppReport::addGroup(const QString &name, const QString &userName) {
    groups_.push_back(std::make_unique<TppGroup>());
    TppGroup &group = *groups_.back();
    group.setName(name);
    group.setUserName(userName);
    group.report_ = this;
    definitionChanged();
    return group;
}

TppBand *TppReport::band(TppBandType type) const {
    if (type == TppBandType::btGroupHeader || type == TppBandType::btGroupFooter) {
        if (groups_.empty()) return nullptr;
        return type == TppBandType::btGroupHeader ? groups_.front()->headerBand() : groups_.front()->footerBand();
    }
    for (const auto &b : bands_)
        if (b->type() == type) return b.get();
    return nullptr;
}

std::vector<TppBand *> TppReport::bands() const {
    std::vector<TppBand *> ordered;
    for (const auto &b : bands_) ordered.push_back(b.get());
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const TppBand *a, const TppBand *b) { return a->orderKey() < b->orderKey(); });
    return ordered;
}

int TppReport::groupNo(const TppGroup *group) const {
    for (size_t i = 0; i < groups_.size(); ++i)
        if (groups_[i].get() == group) return int(i);
    return -1;
}

std::vector<TppComponent *> TppReport::components() const {
    std::vector<TppComponent *> all;
    for (TppBand *b : bands())
        for (const auto &component : b->components()) all.push_back(component.get());
    return all;
}

TppObject *TppReport::findByName(const QString &name) const {
    if (name.isEmpty()) return nullptr;
    std::vector<TppObject *> objects{const_cast<TppReport *>(this)};
    for (const auto &b : bands_) {
        objects.push_back(b.get());
        for (const auto &component : b->components()) objects.push_back(component.get());
    }
    for (const auto &group : groups_) objects.push_back(group.get());
    for (TppObject *object : objects)
        if (object->name() == name) return object;
    for (TppObject *object : objects)
        if (object->userName() == name) return object;
    return nullptr;
}

void TppReport::definitionChanged() {
    if (engine_) engine_->discard();
}

// --- running ------------------------------------------------------------------------------

void TppReport::setDataPipeline(TppDBPipeline *pipeline) {
    pipeline_ = pipeline;
    dataPipelineName = pipeline ? pipeline->name() : QString();
    definitionChanged();
}

void TppReport::regenerate() { engine().regenerate(); }
int TppReport::pageCount() { return engine().pageCount(); }
TppPage TppReport::page(int pageNo) { return engine().page(pageNo); }

std::vector<TppPage> TppReport::pages(const TppPageRequest &request, int currentPage) {
    std::vector<TppPage> result;
    for (int pageNo : resolvePageRequest(request, pageCount(), currentPage)) result.push_back(page(pageNo));
    return result;
}

QDateTime TppReport::printDateTime() const { return engine_ ? engine_->printDateTime() : QDateTime(); }

// --- properties ---------------------------------------------------------------------------

namespace {

// NoDataBehaviors: the set {ndBlankPage} or the empty set.
TppProperty noDataProperty() {
    auto get = [](const TppObject &o) -> QVariant {
        return static_cast<const TppReport &>(o).noDataBlankPage ? QStringList{"ndBlankPage"} : QStringList{};
    };
    auto set = [](TppObject &o, const QVariant &v) -> bool {
        const auto names = toIdentifiers(v);
        if (!names) return false;
        for (const QString &name : *names)
            if (name.compare("ndBlankPage", Qt::CaseInsensitive) != 0) return false;
        static_cast<TppReport &>(o).noDataBlankPage = !names->isEmpty();
        return true;
    };
    return {"NoDataBehaviors", get, set};
}

// The printer setup's properties, reachable as "PrinterSetup.<name>".
TppPropertyTable printerSetupProperties() {
    static std::deque<std::string> names;  // keeps the dotted names alive for the table
    TppPropertyTable table;
    TppPrinterSetup prototype;
    for (const QString &name : prototype.propertyNames()) {
        names.push_back("PrinterSetup." + name.toStdString());
        table.push_back({names.back().c_str(),
                         [name](const TppObject &o) { return static_cast<const TppReport &>(o).printerSetup.property(name); },
                         [name](TppObject &o, const QVariant &v) {
                             return static_cast<TppReport &>(o).printerSetup.setProperty(name, v);
                         }});
    }
    return table;
}

} // namespace

const TppPropertyTable &TppReport::propertyTable() const {
    using R = TppReport;
    static const TppPropertyTable table = [] {
        TppPropertyTable t = objectProperties();
        t += {
            member("DataPipeline", &R::dataPipelineName),
            member("PassSetting", &R::passSetting),
            member("AutoStop", &R::autoStop),
            noDataProperty(),
            member("Units", &R::units),
            member("DeviceType", &R::deviceType),
            member("SavePrinterSetup", &R::savePrinterSetup),
            member("Template.FileName", &R::templateFileName),
            member("Template.Offset", &R::templateOffset, 0),
        };
        t += printerSetupProperties();
        return t;
    }();
    return table;
}
