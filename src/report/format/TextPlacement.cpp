#include "TextPlacement.h"

void placeText(TppDrawText &text, const TextMeasure &measure) {
    if (!measure || text.wordWrap) return;
    const TextExtent extent = measure(text.text, text.font);
    text.height = extent.height;
    if (!text.autoSize) return;
    const int grown = extent.width - text.width;
    switch (text.alignment) {
    case TppTextAlignment::taRightJustified: text.left -= grown; break;
    case TppTextAlignment::taCentered: text.left -= grown / 2; break;
    default: break;
    }
    text.width = extent.width;
}
