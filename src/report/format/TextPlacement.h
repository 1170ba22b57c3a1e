#pragma once
#include "ReportTypes.h"
#include "TextMeasure.h"

// Fixes the rectangle of a text about to be drawn, measured in its font on the drawing device.
// A single-line text takes the height of its font. With autoSize it also takes the width of
// its text: a left-aligned text keeps its left edge, a right-aligned one its right edge, a
// centred one its centre. Without a measure the rectangle stays as designed.
void placeText(TppDrawText &text, const TextMeasure &measure);
