#pragma once
#include "ReportTypes.h"
#include "ReportUnits.h"
#include "TppEnums.h"

#include <QString>
#include <array>
#include <optional>

// The identifiers by which enumeration values are written in layouts and property tables;
// each list is in the order of its enumeration.
template <class E> struct TppEnumNames;

#define TPP_ENUM_NAMES(Enum, ...)                                                                 \
    template <> struct TppEnumNames<Enum> {                                                       \
        static constexpr std::array names{__VA_ARGS__};                                           \
    };

TPP_ENUM_NAMES(TppDataType, "dtBoolean", "dtDate", "dtTime", "dtDateTime", "dtInteger", "dtSingle",
               "dtDouble", "dtExtended", "dtCurrency", "dtChar", "dtString", "dtVariant", "dtLongint",
               "dtBLOB", "dtMemo", "dtGraphic", "dtNotKnown")
TPP_ENUM_NAMES(TppVarType, "vtDate", "vtDateTime", "vtDocumentName", "vtPrintDateTime", "vtPageCount",
               "vtPageSet", "vtPageSetDesc", "vtPageNo", "vtPageNoDesc", "vtTime")
TPP_ENUM_NAMES(TppDBCalcType, "dcCount", "dcSum", "dcMinimum", "dcMaximum", "dcAverage")
TPP_ENUM_NAMES(TppTextAlignment, "taLeftJustified", "taRightJustified", "taCentered", "taFullJustified")
TPP_ENUM_NAMES(TppUnits, "utInches", "utMillimeters", "utMMThousandths")
TPP_ENUM_NAMES(TppBandType, "btTitle", "btHeader", "btColumnHeader", "btGroupHeader", "btDetail",
               "btGroupFooter", "btColumnFooter", "btFooter", "btSummary")
TPP_ENUM_NAMES(TppBreakType, "btDataField", "btCustomField")
TPP_ENUM_NAMES(TppPassSetting, "psOnePass", "psTwoPass")
TPP_ENUM_NAMES(TppLinePosition, "lpTop", "lpBottom")
TPP_ENUM_NAMES(TppPageSetting, "psAll", "psSinglePage", "psFirstPage", "psLastPage", "psPageList")

#undef TPP_ENUM_NAMES

template <class E> QString enumName(E value) {
    const auto &names = TppEnumNames<E>::names;
    const auto index = static_cast<size_t>(value);
    return index < names.size() ? QString::fromLatin1(names[index]) : QString();
}

// Identifiers compare without regard to case, as layout files write them either way.
template <class E> std::optional<E> enumFromName(const QString &name) {
    const auto &names = TppEnumNames<E>::names;
    for (size_t i = 0; i < names.size(); ++i)
        if (name.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0) return static_cast<E>(i);
    return std::nullopt;
}
