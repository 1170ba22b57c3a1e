#include "DeviceTextMeasure.h"
#include "GuiApplication.h"
#include "PageRenderer.h"
#include "ReportFont.h"
#include "TextPlacement.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr QRgb teal = qRgb(0, 128, 128);
constexpr double screenDpi = 96;

class Render : public testing::Test {
protected:
    static void SetUpTestSuite() { ensureGuiApplication(); }
};

int px(int thousandths, double dpi = screenDpi) { return int(std::lround(toDevicePixels(thousandths, dpi))); }

// The first and last columns with dark ink within the given rows.
std::pair<int, int> inkColumns(const QImage &image, int top, int bottom) {
    int first = image.width(), last = -1;
    for (int y = std::max(0, top); y < std::min(image.height(), bottom); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qGray(row[x]) < 128) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    }
    return {last < 0 ? -1 : first, last};
}

TppDrawText footerText(const QString &text, TppTextAlignment alignment, bool autoSize) {
    TppDrawText t;
    t.left = 120000;
    t.top = 50000;
    t.width = 17216;
    t.height = 4498;
    t.text = text;
    t.font.size = 9;
    t.alignment = alignment;
    t.autoSize = autoSize;
    return t;
}

TEST_F(Render, ArialComesFromLiberationSansAndMeasuresAlikeAtAnyResolution) {
    TppFont arial;
    QImage device(1, 1, QImage::Format_RGB32);
    EXPECT_EQ(QFontInfo(reportFont(arial, screenDpi, device)).family(), "Liberation Sans");

    const TextExtent screen = deviceTextMeasure(screenDpi)("Transaction Report", arial);
    const TextExtent printer = deviceTextMeasure(600)("Transaction Report", arial);
    EXPECT_NEAR(screen.width, printer.width, printer.width * 0.03);
    EXPECT_GT(printer.height, 3500);  // about 1.15 em of 10 points
    EXPECT_LT(printer.height, 4500);

    TppFont bold = arial;
    bold.bold = true;
    const TextMeasure measure = deviceTextMeasure(600);
    EXPECT_GT(measure("Amount", bold).width, measure("Amount", arial).width);
    EXPECT_EQ(measure("", arial).width, 0);
}

TEST_F(Render, LineThicknessFollowsWeightAndResolution) {
    struct Case { double weight, dpi; int pixels; };
    const Case cases[] = {{0.75, 96, 1}, {1.5, 96, 2}, {3.75, 96, 5}, {0.1, 96, 1},
                          {0, 300, 1}, {1.5, 600, 13}, {3.75, 1200, 63}};
    for (const Case &c : cases) EXPECT_EQ(lineThickness(c.weight, c.dpi), c.pixels) << c.weight << " pt at " << c.dpi;
}

TEST_F(Render, DrawsALineAlongTheTopEdgeOfItsRectangle) {
    TppPage page;
    page.commands.push_back(TppDrawLine{10000, 20000, 50000, 1588, teal, 3.75});
    const QImage image = renderPageImage(page, screenDpi);
    ASSERT_EQ(image.size(), QSize(816, 1056));  // Letter at 96 dpi

    const int column = px(35000);
    std::vector<int> tealRows;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(column, y) == (teal | 0xff000000)) tealRows.push_back(y);
    ASSERT_EQ(tealRows.size(), 5u);
    EXPECT_EQ(tealRows.front(), px(20000));
    EXPECT_EQ(tealRows.back(), px(20000) + 4);
    EXPECT_EQ(image.pixel(px(10000) - 1, px(20000)), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(px(60000) + 1, px(20000)), qRgb(255, 255, 255));
}

TEST_F(Render, AutoSizedTextsKeepTheEdgeOfTheirAlignment) {
    const double dpi = 200;
    const TextMeasure measure = deviceTextMeasure(dpi);
    const int rightEdge = px(120000 + 17216, dpi), leftEdge = px(120000, dpi);
    for (const QString text : {"Page 1", "Page 12", "Page 1234"}) {
        TppPage page;
        TppDrawText right = footerText(text, TppTextAlignment::taRightJustified, true);
        placeText(right, measure);
        TppDrawText left = footerText(text, TppTextAlignment::taLeftJustified, true);
        left.top = 60000;
        placeText(left, measure);
        page.commands = {right, left};
        const QImage image = renderPageImage(page, dpi);

        const auto [rightFirst, rightLast] = inkColumns(image, px(50000, dpi), px(55000, dpi));
        EXPECT_LE(rightLast, rightEdge) << text.toStdString();
        EXPECT_GE(rightLast, rightEdge - 4) << text.toStdString();
        EXPECT_NEAR(rightFirst, px(right.left, dpi), 4);
        const auto [leftFirst, leftLast] = inkColumns(image, px(60000, dpi), px(65000, dpi));
        EXPECT_GE(leftFirst, leftEdge);
        EXPECT_LE(leftFirst, leftEdge + 4);
        EXPECT_NEAR(leftLast - leftFirst, rightLast - rightFirst, 2);
    }
}

TEST_F(Render, FixedSizeTextsAreClippedAtTheirEdges) {
    const double dpi = 200;
    TppPage page;
    TppDrawText longText = footerText("A description far longer than its column", TppTextAlignment::taLeftJustified, false);
    page.commands = {longText};
    const QImage image = renderPageImage(page, dpi);
    const auto [first, last] = inkColumns(image, px(50000, dpi), px(55000, dpi));
    EXPECT_NEAR(first, px(120000, dpi), 4);
    EXPECT_LE(last, px(120000 + 17216, dpi));
    EXPECT_GE(last, px(120000 + 17216, dpi) - 6);
}

// Texts that fit are drawn at their baseline without Qt's line layout; they must come out
// exactly where Qt's own layout of the box puts them, and texts that do not fit still clip.
TEST_F(Render, EveryTextLandsWhereQtsOwnLayoutOfItsBoxPutsIt) {
    using enum TppTextAlignment;
    struct Case { const char *text; TppTextAlignment alignment; bool autoSize; int width; };
    const Case cases[] = {
        {"Groceries", taLeftJustified, false, 30000},   {"($311.79)", taRightJustified, false, 30000},
        {"Page 12", taCentered, false, 30000},          {"Amount ", taRightJustified, false, 30000},
        {"tab\there", taLeftJustified, false, 30000},   {"line\nbreak", taCentered, false, 30000},
        {"Everyday Checking", taLeftJustified, false, 12000}, {"Everyday Checking", taRightJustified, false, 12000},
        {"Page 1234", taRightJustified, true, 17216},   {"Page 1234", taLeftJustified, true, 17216},
        {"Total", taFullJustified, false, 30000},
    };
    const double dpi = 300;
    for (const Case &c : cases) {
        TppDrawText text = footerText(c.text, c.alignment, c.autoSize);
        text.width = c.width;
        placeText(text, deviceTextMeasure(dpi));
        TppPage page;
        page.commands = {text};
        const QImage drawn = renderPageImage(page, dpi);

        QImage expected(drawn.size(), drawn.format());
        expected.fill(Qt::white);
        QPainter painter(&expected);
        const QFont font = reportFont(text.font, dpi, expected);
        painter.setFont(font);
        const QRectF box(toDevicePixels(text.left, dpi), toDevicePixels(text.top, dpi), toDevicePixels(text.width, dpi),
                         toDevicePixels(text.height, dpi));
        const int align = c.alignment == taRightJustified ? Qt::AlignRight : c.alignment == taCentered ? Qt::AlignHCenter : Qt::AlignLeft;
        if (!c.autoSize && QFontMetricsF(font, &expected).horizontalAdvance(c.text) > box.width()) painter.setClipRect(box);
        painter.drawText(box, align | Qt::AlignTop | Qt::TextSingleLine, c.text);
        painter.end();
        EXPECT_EQ(drawn, expected) << c.text << " aligned " << int(c.alignment);
    }
}

// One drawer draws a whole document: what it kept from a page (fonts, widths, the font the
// painter held) must not change how the next page looks, even when the device reset the
// painter's font between pages.
TEST_F(Render, PagesDrawnInARowLookAsEachDrawnAlone) {
    TppPage first, second;
    TppDrawText bold = footerText("Groceries", TppTextAlignment::taRightJustified, false);
    bold.font.bold = true;
    first.commands = {footerText("Everyday Checking", TppTextAlignment::taLeftJustified, false), bold};
    TppDrawText coloured = bold;
    coloured.top = 70000;
    coloured.font.color = teal;
    second.commands = {bold, coloured, footerText("Page 2", TppTextAlignment::taCentered, true)};
    for (TppPage *page : {&first, &second})
        for (TppDrawCommand &command : page->commands) placeText(std::get<TppDrawText>(command), deviceTextMeasure(screenDpi));

    QImage inARow(renderPageImage(second, screenDpi).size(), QImage::Format_RGB32);
    inARow.fill(Qt::white);
    QPainter painter(&inARow);
    PageDrawer drawer(painter, screenDpi);
    drawer.draw(first);
    inARow.fill(Qt::white);
    painter.setFont(QFont("Liberation Serif", 30));
    painter.setPen(Qt::red);
    drawer.draw(second);
    painter.end();
    EXPECT_EQ(inARow, renderPageImage(second, screenDpi));
}

TEST_F(Render, OnlyOpaqueTextsPaintABackground) {
    TppPage page;
    TppDrawText transparent = footerText("Total", TppTextAlignment::taLeftJustified, false);
    TppDrawText opaque = transparent;
    opaque.top = 70000;
    opaque.transparent = false;
    page.commands = {transparent, opaque};
    const QColor gray(200, 200, 200);
    const QImage image = renderPageImage(page, screenDpi, gray);
    const int x = px(120000 + 16000);  // right of the short text, inside its box
    EXPECT_EQ(image.pixelColor(x, px(51000)), gray);
    EXPECT_EQ(image.pixelColor(x, px(71000)), QColor(Qt::white));
}

TEST_F(Render, DamagedCommandsDrawWithoutHarm) {
    TppPage page;
    TppDrawText text = footerText("odd", TppTextAlignment::taCentered, false);
    text.font.size = std::nan("");
    TppDrawText huge = text;
    huge.font.size = 1e9;
    huge.width = -5;
    TppDrawText far = text;
    far.left = far.top = 2'000'000'000;
    page.commands = {text, huge, far, TppDrawLine{0, 1000, 100000, 0, teal, std::nan("")},
                     TppDrawLine{0, 2000, -100000, 0, teal, 1e300}};
    const QImage image = renderPageImage(page, screenDpi);
    EXPECT_FALSE(image.isNull());
    EXPECT_EQ(lineThickness(std::nan(""), screenDpi), 1);
    EXPECT_GT(deviceTextMeasure(screenDpi)("odd", huge.font).height, 0);
}

TEST_F(Render, PaperThatCannotBeDrawnGivesNoImage) {
    TppPage page;
    page.pageDefinition.mmPaperWidth = 0;
    EXPECT_TRUE(renderPageImage(page, screenDpi).isNull());
    page.pageDefinition.mmPaperWidth = 2'000'000'000;
    page.pageDefinition.mmPaperHeight = 2'000'000'000;
    EXPECT_TRUE(renderPageImage(page, screenDpi).isNull());
}

} // namespace
