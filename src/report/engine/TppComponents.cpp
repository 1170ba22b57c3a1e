#include "TppComponents.h"

#include "TppBand.h"
#include "TppPropertyHelpers.h"
#include "TppReport.h"

#include <cmath>

using namespace tpp;

// --- placement --------------------------------------------------------------------------

TppReport *TppComponent::report() const { return band_ ? band_->report() : nullptr; }

namespace {

TppUnits unitsOf(const TppComponent &component) {
    const TppReport *report = component.report();
    return report ? report->units : TppUnits::utInches;
}

// Font.Style is the set of fsBold, fsItalic, fsUnderline, fsStrikeOut.
const std::array<std::pair<const char *, bool TppFont::*>, 4> fontStyles{{
    {"fsBold", &TppFont::bold},
    {"fsItalic", &TppFont::italic},
    {"fsUnderline", &TppFont::underline},
    {"fsStrikeOut", &TppFont::strikeOut},
}};

TppProperty fontStyleProperty() {
    auto get = [](const TppObject &object) -> QVariant {
        const TppFont &font = static_cast<const TppCustomText &>(object).font;
        QStringList styles;
        for (const auto &[name, flag] : fontStyles)
            if (font.*flag) styles << QString::fromLatin1(name);
        return styles;
    };
    auto set = [](TppObject &object, const QVariant &value) -> bool {
        const auto styles = toIdentifiers(value);
        if (!styles) return false;
        TppFont font = static_cast<TppCustomText &>(object).font;
        for (const auto &[name, flag] : fontStyles) font.*flag = false;
        for (const QString &style : *styles) {
            bool known = false;
            for (const auto &[name, flag] : fontStyles)
                if (style.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) font.*flag = known = true;
            if (!known) return false;
        }
        static_cast<TppCustomText &>(object).font = font;
        return true;
    };
    return {"Font.Style", get, set};
}

} // namespace

double TppComponent::left() const { return fromThousandthsMM(mmLeft, unitsOf(*this)); }
void TppComponent::setLeft(double value) { mmLeft = toThousandthsMM(value, unitsOf(*this)); }
double TppComponent::top() const { return fromThousandthsMM(mmTop, unitsOf(*this)); }
void TppComponent::setTop(double value) { mmTop = toThousandthsMM(value, unitsOf(*this)); }
double TppComponent::width() const { return fromThousandthsMM(mmWidth, unitsOf(*this)); }
void TppComponent::setWidth(double value) { mmWidth = std::max(0, toThousandthsMM(value, unitsOf(*this))); }
double TppComponent::height() const { return fromThousandthsMM(mmHeight, unitsOf(*this)); }
void TppComponent::setHeight(double value) { mmHeight = std::max(0, toThousandthsMM(value, unitsOf(*this))); }

void TppLine::setWeight(double points) {
    weight = points;
    penWidth = std::max(1, int(std::lround(points * 96.0 / 72.0)));
}

TppValue TppVariable::initialValue() const {
    switch (dataType) {
    case TppDataType::dtBoolean: return false;
    case TppDataType::dtDate: case TppDataType::dtTime: case TppDataType::dtDateTime: return TppDateTime{0};
    case TppDataType::dtInteger: case TppDataType::dtLongint: return qint64(0);
    case TppDataType::dtSingle: case TppDataType::dtDouble: case TppDataType::dtExtended: return 0.0;
    case TppDataType::dtCurrency: return TppCurrency{0};
    case TppDataType::dtChar: case TppDataType::dtString: case TppDataType::dtMemo: return QString();
    default: return std::monostate{};
    }
}

// --- property tables ----------------------------------------------------------------------

TppPropertyTable TppComponent::componentProperties() {
    using C = TppComponent;
    TppPropertyTable table = objectProperties();
    table += {
        member("Visible", &C::visible),
        member("mmLeft", &C::mmLeft),
        member("mmTop", &C::mmTop),
        member("mmWidth", &C::mmWidth, 0),
        member("mmHeight", &C::mmHeight, 0),
    };
    return table;
}

TppPropertyTable TppCustomText::textProperties() {
    using C = TppCustomText;
    TppPropertyTable table = componentProperties();
    table += {
        nested("Font.Name", &C::font, &TppFont::name),
        nested("Font.Size", &C::font, &TppFont::size, 0),
        fontStyleProperty(),
        colorProperty<C>("Font.Color", [](C &c) -> QRgb & { return c.font.color; }),
        nested("Font.Charset", &C::font, &TppFont::charset, 0),
        member("TextAlignment", &C::textAlignment),
        member("Transparent", &C::transparent),
        member("AutoSize", &C::autoSize),
        member("WordWrap", &C::wordWrap),
        member("DisplayFormat", &C::displayFormat),
    };
    return table;
}

const TppPropertyTable &TppLabel::propertyTable() const {
    using C = TppLabel;
    static const TppPropertyTable table = [] {
        TppPropertyTable t = textProperties();
        t += {member("Caption", &C::caption), member("OnGetText", &C::onGetTextName)};
        return t;
    }();
    return table;
}

TppPropertyTable TppDBText::dataProperties() {
    using C = TppDBText;
    TppPropertyTable table = textProperties();
    table += {
        member("DataPipeline", &C::dataPipeline),
        member("DataField", &C::dataField),
        member("BlankWhenZero", &C::blankWhenZero),
    };
    return table;
}

const TppPropertyTable &TppDBText::propertyTable() const {
    static const TppPropertyTable table = dataProperties();
    return table;
}

const TppPropertyTable &TppDBCalc::propertyTable() const {
    using C = TppDBCalc;
    static const TppPropertyTable table = [] {
        TppPropertyTable t = dataProperties();
        t += {member("DBCalcType", &C::dbCalcType), member("ResetGroup", &C::resetGroup)};
        return t;
    }();
    return table;
}

const TppPropertyTable &TppSystemVariable::propertyTable() const {
    static const TppPropertyTable table = [] {
        TppPropertyTable t = textProperties();
        t += {member("VarType", &TppSystemVariable::varType)};
        return t;
    }();
    return table;
}

const TppPropertyTable &TppVariable::propertyTable() const {
    using C = TppVariable;
    static const TppPropertyTable table = [] {
        TppPropertyTable t = textProperties();
        t += {member("DataType", &C::dataType), member("OnCalc", &C::onCalcName)};
        return t;
    }();
    return table;
}

const TppPropertyTable &TppLine::propertyTable() const {
    using C = TppLine;
    static const TppPropertyTable table = [] {
        TppPropertyTable t = componentProperties();
        auto weight = member("Weight", &C::weight, 0);
        weight.set = [](TppObject &object, const QVariant &value) {
            const auto points = toDouble(value);
            if (!points || *points < 0) return false;
            static_cast<C &>(object).setWeight(*points);
            return true;
        };
        t += {
            colorProperty<C>("Pen.Color", [](C &c) -> QRgb & { return c.penColor; }),
            member("Pen.Width", &C::penWidth, 0),
            weight,
            member("Position", &C::position),
        };
        return t;
    }();
    return table;
}

std::unique_ptr<TppComponent> createComponent(const QString &className) {
    static const std::array<std::pair<const char *, std::unique_ptr<TppComponent> (*)()>, 6> classes{{
        {"TppLabel", [] { return std::unique_ptr<TppComponent>(new TppLabel); }},
        {"TppDBText", [] { return std::unique_ptr<TppComponent>(new TppDBText); }},
        {"TppDBCalc", [] { return std::unique_ptr<TppComponent>(new TppDBCalc); }},
        {"TppSystemVariable", [] { return std::unique_ptr<TppComponent>(new TppSystemVariable); }},
        {"TppVariable", [] { return std::unique_ptr<TppComponent>(new TppVariable); }},
        {"TppLine", [] { return std::unique_ptr<TppComponent>(new TppLine); }},
    }};
    for (const auto &[name, make] : classes)
        if (className.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return make();
    return nullptr;
}
