#include "TextPlacement.h"

void placeText(TppDrawText &text, const TextMeasure &measure) {
    if (!measure || text.wordWrap) return;
    // Only an auto-sized box uses its text's width; the height is the font's line height, which
    // an empty text gives without measuring anything.
    const TextExtent extent = measure(text.autoSize ? text.text : QString(), text.font);
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
