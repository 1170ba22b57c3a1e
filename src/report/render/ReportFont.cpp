#include "ReportFont.h"

#include <QPaintDevice>
#include <algorithm>

QFont reportFont(const TppFont &font, double dotsPerInch, const QPaintDevice &device) {
    QFont qt(font.name);
    const double deviceDpi = std::max(1, device.logicalDpiY());
    // A font size from a damaged layout must not ask the font engine for giant glyphs.
    const double points = std::clamp(font.size, 1.0, 1000.0);
    qt.setPointSizeF(std::max(0.01, points * dotsPerInch / deviceDpi));
    qt.setBold(font.bold);
    qt.setItalic(font.italic);
    qt.setUnderline(font.underline);
    qt.setStrikeOut(font.strikeOut);
    qt.setHintingPreference(QFont::PreferNoHinting);
    return qt;
}
