#include "PageRenderer.h"

#include "ReportFont.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <vector>

namespace {

// Bigger than any paper a printer takes at a preview zoom; guards against damaged layouts.
constexpr qint64 largestImagePixels = 400'000'000;

Qt::Alignment horizontalAlignment(TppTextAlignment alignment) {
    switch (alignment) {
    case TppTextAlignment::taRightJustified: return Qt::AlignRight;
    case TppTextAlignment::taCentered: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;  // a single line has nothing to justify
    }
}

class PagePainter {
public:
    PagePainter(QPainter &painter, double dpi, QPointF origin) : p_(painter), dpi_(dpi), origin_(origin) {}

    void operator()(const TppDrawLine &line) const {
        const int left = int(std::lround(x(line.left)));
        const int right = int(std::lround(x(qint64(line.left) + line.width)));
        const int top = int(std::lround(y(line.top)));
        if (right <= left) return;
        p_.fillRect(QRect(left, top, right - left, lineThickness(line.weight, dpi_)), QColor::fromRgb(line.penColor));
    }

    void operator()(const TppDrawText &text) const {
        const QRectF box(x(text.left), y(text.top), toDevicePixels(text.width, dpi_),
                         toDevicePixels(text.height, dpi_));
        if (!text.transparent) p_.fillRect(box, Qt::white);
        if (text.text.isEmpty() || box.width() <= 0) return;
        const MadeFont &made = fontFor(text.font);
        p_.setFont(made.font);
        p_.setPen(QColor::fromRgb(text.font.color));
        // An auto-sized box was measured on its own device; let the text finish past it.
        // Clip only a text that runs past its box: a clip per text makes PDF files slow and big.
        const bool clipped = !text.autoSize && (text.wordWrap || overflows(made.metrics, text.text, box));
        if (clipped) {
            p_.save();
            p_.setClipRect(box, Qt::IntersectClip);
        }
        const int wrap = text.wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine;
        p_.drawText(box, int(horizontalAlignment(text.alignment) | Qt::AlignTop) | wrap, text.text);
        if (clipped) p_.restore();
    }

private:
    struct MadeFont {
        TppFont key;
        QFont font;
        QFontMetricsF metrics;
    };

    // A page uses a handful of fonts; making each Qt font and its metrics once saves a font
    // lookup per text.
    const MadeFont &fontFor(const TppFont &font) const {
        for (const MadeFont &made : fonts_)
            if (made.key == font) return made;
        const QFont qt = reportFont(font, dpi_, *p_.device());
        fonts_.push_back({font, qt, QFontMetricsF(qt, p_.device())});
        return fonts_.back();
    }

    static bool overflows(const QFontMetricsF &metrics, const QString &text, const QRectF &box) {
        return metrics.horizontalAdvance(text) > box.width() || metrics.height() > box.height();
    }

    double x(qint64 thousandths) const { return origin_.x() + thousandths / 25400.0 * dpi_; }
    double y(qint64 thousandths) const { return origin_.y() + thousandths / 25400.0 * dpi_; }

    QPainter &p_;
    double dpi_;
    QPointF origin_;
    mutable std::vector<MadeFont> fonts_;
};

} // namespace

int lineThickness(double weight, double dotsPerInch) {
    const double pixels = std::round(weight * dotsPerInch / 72);
    if (!(pixels >= 1)) return 1;
    return int(std::min(pixels, 10000.0));
}

void drawPage(QPainter &painter, const TppPage &page, double dotsPerInch, QPointF origin) {
    const PagePainter draw(painter, dotsPerInch, origin);
    for (const TppDrawCommand &command : page.commands) std::visit(draw, command);
}

QImage renderPageImage(const TppPage &page, double dotsPerInch, QColor paper) {
    const double width = std::ceil(toDevicePixels(page.pageDefinition.mmPaperWidth, dotsPerInch));
    const double height = std::ceil(toDevicePixels(page.pageDefinition.mmPaperHeight, dotsPerInch));
    if (!(width >= 1 && height >= 1) || width * height > double(largestImagePixels)) return {};
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull()) return {};
    image.fill(paper);
    QPainter painter(&image);
    drawPage(painter, page, dotsPerInch);
    return image;
}
