#pragma once
#include <QString>
#include <array>
#include <optional>

struct DateRange {
    double start = 0;
    double end = 0;
    bool operator==(const DateRange &) const = default;
};

enum class RangePreset {
    All, Today, ThisWeek, LastWeek, TwoWeeksAgo, ThreeWeeksAgo, FourWeeksAgo,
    ThisMonth, LastMonth, TwoMonthsAgo, ThreeMonthsAgo,
    ThisQuarter, LastQuarter, FirstQuarter, SecondQuarter, ThirdQuarter, ForthQuarter,
    ThisYear, LastYear,
};

// One item of the "Range" menu: its caption and the period it names for a given today.
// "All" names no period of its own; it restores the full range of the table.
struct RangePresetItem {
    RangePreset preset;
    const char *caption;
    DateRange (*range)(double today);  // nullptr for "All"
};

// The items in menu order.
const std::array<RangePresetItem, 19> &rangePresets();

const RangePresetItem &rangePresetItem(RangePreset preset);
// Exact caption; nullptr when no item has it.
const RangePresetItem *findRangePreset(const QString &caption);

// The start and end of the preset for `today` (its time of day is dropped); "All" gives
// `all`.
DateRange presetRange(RangePreset preset, double today, const DateRange &all);
