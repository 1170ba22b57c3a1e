#include "RangePresets.h"

#include "DateFunctions.h"

#include <cmath>

using namespace DateFunctions;

namespace {

DateRange weekOf(double date) { return {StartOfWeek(date), EndOfWeek(date)}; }
DateRange monthOf(double date) { return {StartOfMonth(date), EndOfMonth(date)}; }
DateRange quarterOf(double date) { return {StartOfQuarter(date), EndOfQuarter(date)}; }
DateRange quarterOfYear(int quarter, double today) {
    return {QuarterStart(quarter, YearOf(today)), QuarterEnd(quarter, YearOf(today))};
}
DateRange wholeYear(int year) { return {YearStart(year), YearEnd(year)}; }

constexpr std::array<RangePresetItem, 19> items{{
    {RangePreset::All, "All", nullptr},
    {RangePreset::Today, "Today", [](double t) { return DateRange{t, t}; }},
    {RangePreset::ThisWeek, "This week", [](double t) { return weekOf(t); }},
    {RangePreset::LastWeek, "Last week", [](double t) { return weekOf(t - 7); }},
    {RangePreset::TwoWeeksAgo, "2 weeks ago", [](double t) { return weekOf(t - 14); }},
    {RangePreset::ThreeWeeksAgo, "3 weeks ago", [](double t) { return weekOf(t - 21); }},
    {RangePreset::FourWeeksAgo, "4 weeks ago", [](double t) { return weekOf(t - 28); }},
    {RangePreset::ThisMonth, "This month", [](double t) { return monthOf(t); }},
    {RangePreset::LastMonth, "Last month", [](double t) { return monthOf(SubtractMonths(1, t)); }},
    {RangePreset::TwoMonthsAgo, "2 months ago", [](double t) { return monthOf(SubtractMonths(2, t)); }},
    {RangePreset::ThreeMonthsAgo, "3 months ago", [](double t) { return monthOf(SubtractMonths(3, t)); }},
    {RangePreset::ThisQuarter, "This quarter", [](double t) { return quarterOf(t); }},
    {RangePreset::LastQuarter, "Last quarter", [](double t) { return quarterOf(SubtractMonths(3, t)); }},
    {RangePreset::FirstQuarter, "First quarter", [](double t) { return quarterOfYear(1, t); }},
    {RangePreset::SecondQuarter, "Second quarter", [](double t) { return quarterOfYear(2, t); }},
    {RangePreset::ThirdQuarter, "Third quarter", [](double t) { return quarterOfYear(3, t); }},
    {RangePreset::ForthQuarter, "Forth quarter", [](double t) { return quarterOfYear(4, t); }},
    {RangePreset::ThisYear, "This year", [](double t) { return wholeYear(YearOf(t)); }},
    {RangePreset::LastYear, "Last year", [](double t) { return wholeYear(YearOf(SubtractYears(1, t))); }},
}};

constexpr bool inEnumOrder() {
    for (size_t i = 0; i < items.size(); ++i)
        if (size_t(items[i].preset) != i) return false;
    return true;
}
static_assert(inEnumOrder(), "rangePresetItem() indexes the items by preset");

} // namespace

const std::array<RangePresetItem, 19> &rangePresets() { return items; }

const RangePresetItem &rangePresetItem(RangePreset preset) { return items[size_t(preset)]; }

const RangePresetItem *findRangePreset(const QString &caption) {
    for (const RangePresetItem &item : items)
        if (caption == QLatin1String(item.caption)) return &item;
    return nullptr;
}

DateRange presetRange(RangePreset preset, double today, const DateRange &all) {
    const RangePresetItem &item = rangePresetItem(preset);
    return item.range ? item.range(std::floor(today)) : all;
}
