#include "ReportUnits.h"

#include <cmath>
#include <limits>

namespace {

constexpr float MillimetresToInches = 0.03937f;

// Lengths beyond the int range come only from bad input; they are held at the range's ends.
int roundToInt(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::round(value);
    if (rounded >= double(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (rounded <= double(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return int(rounded);
}

} // namespace

int inchesToThousandthsMM(double inches) {
    return roundToInt(inches / double(MillimetresToInches) * 1000.0);
}

double thousandthsMMToInches(int value) { return value / 1000.0 * double(MillimetresToInches); }

int toThousandthsMM(double value, TppUnits units) {
    switch (units) {
    case TppUnits::utInches: return inchesToThousandthsMM(value);
    case TppUnits::utMillimeters: return roundToInt(value * 1000.0);
    case TppUnits::utMMThousandths: return roundToInt(value);
    }
    return roundToInt(value);
}

double fromThousandthsMM(int value, TppUnits units) {
    switch (units) {
    case TppUnits::utInches: return thousandthsMMToInches(value);
    case TppUnits::utMillimeters: return value / 1000.0;
    case TppUnits::utMMThousandths: return value;
    }
    return value;
}
