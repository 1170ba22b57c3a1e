#pragma once
#include "ReportTypes.h"

#include <QFont>

class QPaintDevice;

// The Qt font of a report font, sized so that it comes out at `dotsPerInch` on `device`
// whatever the device's own resolution (a preview image at a zoom draws at the zoomed one).
// Hinting is off so that a text is as wide on the screen as on paper, relative to the page.
QFont reportFont(const TppFont &font, double dotsPerInch, const QPaintDevice &device);
