#pragma once
#include "ReportTypes.h"
#include <functional>

// Width and height of a single-line text in a font, in thousandths of a millimetre, as the
// drawing device measures it. The height is the font's line height whatever the text, and an
// empty text is 0 wide. Injected so that the engine and the formatter need no QtGui.
struct TextExtent {
    int width = 0;
    int height = 0;
};
using TextMeasure = std::function<TextExtent(const QString &text, const TppFont &font)>;
