#pragma once
#include <QPoint>
#include <QSize>

// How the preview sizes the page: the whole page in the visible area, the page's width across
// it, the page at its real size on the screen, or at a chosen percentage.
enum class TppZoomSettingType { zsWholePage, zsPageWidth, zs100Percent, zsPercentage };

// The preview never shows a page larger than this percentage.
constexpr int largestZoomPercentage = 250;

struct ZoomInput {
    double pixelsPerInch = 96;   // the screen's logical resolution
    int mmPaperWidth = 215900;   // thousandths of a millimetre
    int mmPaperHeight = 279400;
    QSize area;                  // the preview's visible area in pixels
    TppZoomSettingType setting = TppZoomSettingType::zsPageWidth;
    int percentage = 100;        // for zsPercentage
};

// Where and how large the page is drawn: the image that scrolls in the visible area, the page
// (paper) rectangle inside it, and the zoom that results.
struct ZoomLayout {
    QSize image;
    QPoint pageOrigin;
    QSize page;
    int calculatedZoom = 100;
};

// The paper's size in screen pixels at 100 %: round(v / 1000 × 0.03937 × P).
int paperPixels(int thousandths, double pixelsPerInch);

// The image and page sizes for a zoom setting; the page is centred in the image. Sizes are
// never negative, however small the area.
ZoomLayout computeZoom(const ZoomInput &input);
