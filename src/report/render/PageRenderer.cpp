#include "PageRenderer.h"

#include "ReportFont.h"
#include "SummedWidths.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Bigger than any paper a printer takes at a preview zoom; guards against damaged layouts.
constexpr qint64 largestImagePixels = 400'000'000;

// Texts of one font whose widths are kept; a report's repeated texts fit many times over.
constexpr qsizetype largestWidthCache = 4096;

Qt::Alignment horizontalAlignment(TppTextAlignment alignment) {
    switch (alignment) {
    case TppTextAlignment::taRightJustified: return Qt::AlignRight;
    case TppTextAlignment::taCentered: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;  // a single line has nothing to justify
    }
}

} // namespace

class PagePainter {
public:
    PagePainter(QPainter &painter, double dpi, QPointF origin) : p_(painter), dpi_(dpi), origin_(origin) {}

    // A new page may come with a painter state of its own; the widths measured stay valid.
    void beginPage() { current_ = std::size_t(-1); }

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
        const MadeFont &made = use(text.font);
        const Qt::Alignment alignment = horizontalAlignment(text.alignment);
        const int flags = int(alignment | Qt::AlignTop) | (text.wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
        // An auto-sized box was measured on its own device; let the text finish past it.
        if (text.autoSize) return drawUnclipped(box, flags, made, text.text);
        if (text.wordWrap) return drawClipped(box, flags, text.text);
        // Clip only a text that runs past its box: a clip per text makes PDF files slow and big.
        const double width = made.widthOf(text.text);
        if (width > box.width() || made.height > box.height()) return drawClipped(box, flags, text.text);
        if (plainLine(text.text)) return drawAt(alignedLeft(box, width, alignment), box.top(), made, text.text);
        p_.drawText(box, flags, text.text);
    }

private:
    struct MadeFont {
        TppFont key;
        QFont font;
        QFontMetricsF metrics;
        double ascent;  // asking the metrics looks the font engine up each time
        double height;
        mutable SummedWidths summed;
        mutable QHash<QString, double> widths;  // pages repeat their categories and accounts

        double widthOf(const QString &text) const {
            if (const std::optional<double> width = summed.widthOf(text)) return *width;
            const auto known = widths.constFind(text);
            if (known != widths.constEnd()) return *known;
            if (widths.size() >= largestWidthCache) widths.clear();  // unique descriptions would fill it
            return *widths.insert(text, metrics.horizontalAdvance(text));
        }
    };

    // Qt's own layout of a line (which turns control characters into spaces and leaves trailing
    // spaces out of the alignment) gives the same picture as drawing at the baseline only for
    // texts without either.
    static bool plainLine(const QString &text) {
        for (const QChar c : text)
            if (c.unicode() < ' ') return false;
        return !text.back().isSpace();
    }

    static double alignedLeft(const QRectF &box, double width, Qt::Alignment alignment) {
        if (alignment == Qt::AlignRight) return box.right() - width;
        if (alignment == Qt::AlignHCenter) return box.left() + (box.width() - width) / 2;
        return box.left();
    }

    // An auto-sized box starts where its left-aligned text does; other alignments are Qt's.
    void drawUnclipped(const QRectF &box, int flags, const MadeFont &made, const QString &text) const {
        const bool atLeftEdge = (flags & (Qt::AlignHorizontal_Mask | Qt::TextWordWrap)) == Qt::AlignLeft;
        if (atLeftEdge && plainLine(text)) return drawAt(box.left(), box.top(), made, text);
        p_.drawText(box, flags, text);
    }

    // Placing the baseline directly spares Qt a line layout per text, the largest cost of a
    // PDF page after the file's own writing.
    void drawAt(double left, double top, const MadeFont &made, const QString &text) const {
        p_.drawText(QPointF(left, top + made.ascent), text);
    }

    void drawClipped(const QRectF &box, int flags, const QString &text) const {
        p_.save();
        p_.setClipRect(box, Qt::IntersectClip);
        p_.drawText(box, flags, text);
        p_.restore();
    }

    // A page uses a handful of fonts; making each Qt font and its metrics once saves a font
    // lookup per text, and handing the painter a font and colour only when they change
    // saves one more.
    const MadeFont &use(const TppFont &font) const {
        if (current_ < fonts_.size() && fonts_[current_].key == font) return fonts_[current_];
        const auto made = std::find_if(fonts_.begin(), fonts_.end(), [&](const MadeFont &m) { return m.key == font; });
        const std::size_t index = made != fonts_.end() ? std::size_t(made - fonts_.begin()) : make(font);
        if (index != current_) {
            p_.setFont(fonts_[index].font);
            p_.setPen(QColor::fromRgb(font.color));
            current_ = index;
        }
        return fonts_[index];
    }

    std::size_t make(const TppFont &font) const {
        const QFont qt = reportFont(font, dpi_, *p_.device());
        const QFontMetricsF metrics(qt, p_.device());
        fonts_.push_back({font, qt, metrics, metrics.ascent(), metrics.height(), SummedWidths(metrics), {}});
        return fonts_.size() - 1;
    }

    double x(qint64 thousandths) const { return origin_.x() + thousandths / 25400.0 * dpi_; }
    double y(qint64 thousandths) const { return origin_.y() + thousandths / 25400.0 * dpi_; }

    QPainter &p_;
    double dpi_;
    QPointF origin_;
    mutable std::vector<MadeFont> fonts_;
    mutable std::size_t current_ = std::size_t(-1);  // the font and colour the painter holds
};


int lineThickness(double weight, double dotsPerInch) {
    const double pixels = std::round(weight * dotsPerInch / 72);
    if (!(pixels >= 1)) return 1;
    return int(std::min(pixels, 10000.0));
}

PageDrawer::PageDrawer(QPainter &painter, double dotsPerInch, QPointF origin)
    : painter_(std::make_unique<PagePainter>(painter, dotsPerInch, origin)) {}

PageDrawer::~PageDrawer() = default;

void PageDrawer::draw(const TppPage &page) {
    painter_->beginPage();
    for (const TppDrawCommand &command : page.commands) std::visit(*painter_, command);
}

void drawPage(QPainter &painter, const TppPage &page, double dotsPerInch, QPointF origin) {
    PageDrawer(painter, dotsPerInch, origin).draw(page);
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
