#include "TppBand.h"

#include "TppGroup.h"
#include "TppPropertyHelpers.h"
#include "TppReport.h"

namespace {

const std::array<const char *, 9> bandClasses{
    "TppTitleBand", "TppHeaderBand", "TppColumnHeaderBand", "TppGroupHeaderBand", "TppDetailBand",
    "TppGroupFooterBand", "TppColumnFooterBand", "TppFooterBand", "TppSummaryBand"};

} // namespace

QString TppBand::classNameOf(TppBandType type) { return QString::fromLatin1(bandClasses[size_t(type)]); }

std::optional<TppBandType> TppBand::typeOfClass(const QString &className) {
    for (size_t i = 0; i < bandClasses.size(); ++i)
        if (className.compare(QLatin1String(bandClasses[i]), Qt::CaseInsensitive) == 0) return TppBandType(i);
    return std::nullopt;
}

QString TppBand::className() const { return classNameOf(type_); }

int TppBand::orderKey() const {
    // Keys 1..9 by kind; headers of inner groups after outer ones, footers before.
    const int kind = int(type_) + 1;
    const int groupNo = report_ && group_ ? report_->groupNo(group_) : 0;
    if (type_ == TppBandType::btGroupHeader) return kind * 1000 + groupNo;
    if (type_ == TppBandType::btGroupFooter) return kind * 1000 + (999 - groupNo);
    return kind * 1000;
}

double TppBand::height() const {
    return fromThousandthsMM(mmHeight, report_ ? report_->units : TppUnits::utInches);
}

void TppBand::setHeight(double value) {
    mmHeight = std::max(0, toThousandthsMM(value, report_ ? report_->units : TppUnits::utInches));
}

TppComponent &TppBand::add(std::unique_ptr<TppComponent> component) {
    component->band_ = this;
    components_.push_back(std::move(component));
    if (report_) report_->definitionChanged();
    return *components_.back();
}

const TppPropertyTable &TppBand::propertyTable() const {
    using tpp::member;
    using B = TppBand;
    static const TppPropertyTable table = [] {
        TppPropertyTable t = objectProperties();
        t += {
            member("Visible", &B::visible),
            member("mmHeight", &B::mmHeight, 0),
            member("mmBottomOffset", &B::mmBottomOffset, 0),
            member("mmPrintPosition", &B::mmPrintPosition, 0),
            member("PrintOnFirstPage", &B::printOnFirstPage),
            member("PrintOnLastPage", &B::printOnLastPage),
        };
        return t;
    }();
    return table;
}
