#pragma once
#include <QString>

// The units in which code hands lengths to a report definition. Stored lengths are always
// whole thousandths of a millimetre.
enum class TppUnits { utInches, utMillimeters, utMMThousandths };

// An inch is 1/0.03937 mm with the factor held in single precision, so that 7.0 in gives
// 177800 and 0.8021 in gives 20373 exactly as stored layouts expect.
int inchesToThousandthsMM(double inches);
double thousandthsMMToInches(int value);

int toThousandthsMM(double value, TppUnits units);
double fromThousandthsMM(int value, TppUnits units);
