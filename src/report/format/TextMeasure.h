#pragma once
#include "ReportTypes.h"
#include <functional>

// Width and height of a single-line text in a font, in thousandths of a millimetre, as the
// drawing device measures it. Injected so that the engine and the formatter need no QtGui.
struct TextExtent {
    int width = 0;
    int height = 0;
};
using TextMeasure = std::function<TextExtent(const QString &text, const TppFont &font)>;
