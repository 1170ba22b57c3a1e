#pragma once
#include "ReportTypes.h"

#include <QImage>
#include <QPointF>
#include <memory>

class QPainter;

// Draws the commands of a page. Device pixels are at `dotsPerInch` (the device's resolution,
// times the zoom for a preview image) and the paper's top-left corner lies at `origin`.
// Only the commands are drawn: the caller paints the paper.
void drawPage(QPainter &painter, const TppPage &page, double dotsPerInch, QPointF origin = {});

// drawPage for page after page on one painter: the fonts made and the widths measured for one
// page serve the next, so a long report measures each of its repeated texts once.
class PageDrawer {
public:
    PageDrawer(QPainter &painter, double dotsPerInch, QPointF origin = {});
    ~PageDrawer();
    void draw(const TppPage &page);

private:
    std::unique_ptr<class PagePainter> painter_;
};

// A line of `weight` points is this many device pixels thick: round(weight × dpi / 72), at
// least 1.
int lineThickness(double weight, double dotsPerInch);

// The page's paper at `dotsPerInch` in `paper` colour with the page drawn on it; a null image
// when the paper size cannot be drawn (not positive, or too large to hold).
QImage renderPageImage(const TppPage &page, double dotsPerInch, QColor paper = Qt::white);

// Thousandths of a millimetre in device pixels at `dotsPerInch`.
inline double toDevicePixels(int thousandths, double dotsPerInch) { return thousandths / 25400.0 * dotsPerInch; }
