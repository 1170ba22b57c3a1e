#include "PreviewZoom.h"

#include <algorithm>
#include <cmath>

namespace {

int rounded(double value) { return int(std::lround(value)); }

struct PageSize {
    int width = 0;   // s
    int height = 0;  // r
};

struct Sized {
    PageSize page;
    QSize image;
};

Sized wholePage(const ZoomInput &in, double paperWidth, double paperHeight, int q) {
    const int areaWidth = in.area.width(), areaHeight = in.area.height();
    PageSize page;
    page.height = areaHeight - q;
    page.width = rounded(page.height * paperWidth / paperHeight);
    // Shrink in steps of a quarter inch until the width fits too; a tiny area is left as is.
    if (q > 0 && rounded(in.pixelsPerInch * 0.5) < std::min(areaWidth, areaHeight)) {
        while (page.width >= areaWidth) {
            page.height -= q;
            page.width = rounded(page.height * paperWidth / paperHeight);
        }
    }
    return {page, in.area};
}

Sized pageWidth(const ZoomInput &in, double paperWidth, double paperHeight) {
    const int e = 2 * rounded(in.pixelsPerInch * 0.125);
    PageSize page;
    // Room for the vertical scroll bar is kept whether or not it shows.
    page.width = in.area.width() - e - rounded(in.pixelsPerInch * 0.1458);
    page.height = rounded(page.width / (paperWidth / paperHeight));
    return {page, QSize(e + page.width, std::max(e + page.height, in.area.height()))};
}

Sized percentage(const ZoomInput &in, double paperWidth, double paperHeight, int q) {
    const double z = std::clamp(in.percentage, 0, largestZoomPercentage) / 100.0;
    const PageSize page{rounded(paperWidth * z), rounded(paperHeight * z)};
    return {page, QSize(std::max(2 * q + page.width, in.area.width()),
                        std::max(2 * q + page.height, in.area.height()))};
}

} // namespace

int paperPixels(int thousandths, double pixelsPerInch) {
    return rounded(thousandths / 1000.0 * 0.03937 * pixelsPerInch);
}

ZoomLayout computeZoom(const ZoomInput &in) {
    const double paperWidth = std::max(1, paperPixels(in.mmPaperWidth, in.pixelsPerInch));
    const double paperHeight = std::max(1, paperPixels(in.mmPaperHeight, in.pixelsPerInch));
    const int q = rounded(in.pixelsPerInch * 0.25);
    Sized sized;
    switch (in.setting) {
    case TppZoomSettingType::zs100Percent:
        sized.page = {int(paperWidth), int(paperHeight)};
        sized.image = QSize(sized.page.width + 2 * q, sized.page.height + 2 * q);
        break;
    case TppZoomSettingType::zsWholePage: sized = wholePage(in, paperWidth, paperHeight, q); break;
    case TppZoomSettingType::zsPageWidth: sized = pageWidth(in, paperWidth, paperHeight); break;
    case TppZoomSettingType::zsPercentage: sized = percentage(in, paperWidth, paperHeight, q); break;
    }
    ZoomLayout layout;
    layout.calculatedZoom = rounded(sized.page.height / paperHeight * 100);
    layout.page = QSize(std::max(0, sized.page.width), std::max(0, sized.page.height));
    layout.image = QSize(std::max(0, sized.image.width()), std::max(0, sized.image.height()));
    layout.pageOrigin = QPoint((layout.image.width() - layout.page.width()) / 2,
                               (layout.image.height() - layout.page.height()) / 2);
    return layout;
}
