#pragma once
#include "TextMeasure.h"

// Measures texts as a device of the given resolution draws them (the screen's for the preview,
// the printer's or PDF's when printing); results in thousandths of a millimetre.
// Needs a QGuiApplication.
TextMeasure deviceTextMeasure(double dotsPerInch);
