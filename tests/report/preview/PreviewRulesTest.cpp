#include "EngineError.h"
#include "PageList.h"
#include "PreviewBoxes.h"
#include "PreviewZoom.h"
#include "PrintDialogRules.h"
#include "PrintPages.h"
#include "QtPrinters.h"
#include "TppPrinterSetup.h"

#include <gtest/gtest.h>

namespace {

using Z = TppZoomSettingType;

// Letter paper at 96 dots per inch is 816 × 1056 pixels at 100 %; q = 24, e = 24.
struct ZoomCase {
    const char *name;
    Z setting;
    int percentage;
    QSize area;
    QSize page;
    QSize image;
    int zoom;
};

TEST(PreviewZoom, SizesFollowTheSetting) {
    const ZoomCase cases[] = {
        {"100 %", Z::zs100Percent, 100, {600, 400}, {816, 1056}, {864, 1104}, 100},
        // s = 600 - 24 - 14, r = round(562 × 1056 / 816)
        {"page width, narrow window", Z::zsPageWidth, 100, {600, 400}, {562, 727}, {586, 751}, 69},
        {"page width, wide window", Z::zsPageWidth, 100, {1200, 500}, {1162, 1504}, {1186, 1528}, 142},
        {"page width, tall window", Z::zsPageWidth, 100, {300, 900}, {262, 339}, {286, 900}, 32},
        // r = 400 - 24 = 376, s = round(376 × 816 / 1056) = 291 < 600
        {"whole page, wide window", Z::zsWholePage, 100, {600, 400}, {291, 376}, {600, 400}, 36},
        // r = 776 → s = 600 ≥ 500; 752 → 581; 728 → 563; 704 → 544; 680 → 525; 656 → 507; 632 → 488
        {"whole page, narrow window", Z::zsWholePage, 100, {500, 800}, {488, 632}, {500, 800}, 60},
        {"percentage 50", Z::zsPercentage, 50, {600, 400}, {408, 528}, {600, 576}, 50},
        {"percentage 0", Z::zsPercentage, 0, {600, 400}, {0, 0}, {600, 400}, 0},
        {"percentage 300 shows 250", Z::zsPercentage, 300, {600, 400}, {2040, 2640}, {2088, 2688}, 250},
    };
    for (const ZoomCase &c : cases) {
        ZoomInput input;
        input.pixelsPerInch = 96;
        input.area = c.area;
        input.setting = c.setting;
        input.percentage = c.percentage;
        const ZoomLayout layout = computeZoom(input);
        EXPECT_EQ(layout.page, c.page) << c.name;
        EXPECT_EQ(layout.image, c.image) << c.name;
        EXPECT_EQ(layout.calculatedZoom, c.zoom) << c.name;
        // The page sits in the middle of the image.
        EXPECT_EQ(layout.pageOrigin.x(), (layout.image.width() - layout.page.width()) / 2) << c.name;
        EXPECT_EQ(layout.pageOrigin.y(), (layout.image.height() - layout.page.height()) / 2) << c.name;
    }
}

TEST(PreviewZoom, TinyAreasGiveNoNegativeSizes) {
    for (Z setting : {Z::zsWholePage, Z::zsPageWidth}) {
        ZoomInput input;
        input.area = QSize(5, 5);
        input.setting = setting;
        const ZoomLayout layout = computeZoom(input);
        EXPECT_GE(layout.page.width(), 0);
        EXPECT_GE(layout.page.height(), 0);
        EXPECT_GE(layout.image.width(), 0);
    }
}

TEST(PageList, ParsesNumbersAndRanges) {
    const std::pair<const char *, std::vector<int>> cases[] = {
        {"1,3,5-12", {1, 3, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"5-3", {3, 5}},
        {"", {}},
        {"7-7,7", {7}},
        {"a1b2", {1, 2}},
        {"abc", {}},
        {"0,99999", {0, 99999}},
        {"12 - 14", {12, 14}},  // a blank ends the number: no range
        {"3-", {3}},
        {"9,2,2,9", {2, 9}},
        {"99999999999", {2147483647}},
    };
    for (const auto &[text, pages] : cases) EXPECT_EQ(parsePageList(text), pages) << text;
}

TEST(PageList, AHugeRangeStaysBounded) {
    const std::vector<int> pages = parsePageList("1-2000000000");
    EXPECT_EQ(pages.front(), 1);
    EXPECT_LE(pages.size(), 1'000'001u);
}

TEST(PreviewBoxes, PageBoxNeedsDigits) {
    EXPECT_EQ(previewPageBoxValue("12   "), 12);
    EXPECT_EQ(previewPageBoxValue("0"), 0);
    try {
        previewPageBoxValue("     ");
        FAIL() << "an empty page box converts";
    } catch (const EngineError &error) {
        EXPECT_EQ(error.text(), "'' is not a valid integer value");
    }
}

TEST(PreviewBoxes, PercentageBoxReadsDigitsOr100) {
    EXPECT_EQ(previewPercentageBoxValue("75  %"), 75);
    EXPECT_EQ(previewPercentageBoxValue("300 %"), 300);
    EXPECT_EQ(previewPercentageBoxValue("    %"), 100);
    EXPECT_EQ(previewPercentageBoxValue("0   %"), 0);
}

TEST(PrintPages, ProgressMessage) {
    EXPECT_EQ(printingMessage(3, 7, "Report", "Office"), "Printing page 3 of 7 for report Report on the Office");
    EXPECT_EQ(printingMessage(3, 0, "Report", "Office"), "Printing page 3 for report Report on the Office");
}

class PrintDialogRulesTest : public testing::Test {
protected:
    PrintDialogRules rules(const QString &setupPrinter = "Default", int pageCount = 12, int current = 4) {
        TppPrinterSetup setup;
        setup.printerName = setupPrinter;
        setup.copies = 2;
        setup.collation = false;
        return PrintDialogRules({{"Zeta", "Laser 9", "Hall"}, {"alpha", "Ink 1", "Desk"}, {"Mid", "", ""}},
                                "Mid", setup, pageCount, current);
    }
};

TEST_F(PrintDialogRulesTest, ListsPrintersAlphabeticallyAndPicksTheSetupsPrinter) {
    PrintDialogRules byDefault = rules();
    ASSERT_EQ(byDefault.printers().size(), 3u);
    EXPECT_EQ(byDefault.printers()[0].name, "alpha");
    EXPECT_EQ(byDefault.printers()[2].name, "Zeta");
    EXPECT_EQ(byDefault.printerName(), "Mid");  // "Default" is the system's default printer
    EXPECT_EQ(rules("Zeta").printerName(), "Zeta");
    EXPECT_EQ(rules("Zeta").printerLocation(), "Hall");
    EXPECT_EQ(rules("Zeta").printerType(), "Laser 9");
    // A printer that is gone: the first one, which becomes the setup's printer.
    PrintDialogRules gone = rules("Gone");
    EXPECT_EQ(gone.printerName(), "alpha");
    TppPrinterSetup setup;
    gone.applyTo(setup);
    EXPECT_EQ(setup.printerName, "alpha");
    EXPECT_EQ(setup.copies, 2);
    EXPECT_FALSE(setup.collation);
}

TEST_F(PrintDialogRulesTest, PageRangeChoices) {
    PrintDialogRules r = rules();
    EXPECT_EQ(r.pageRange(), PageRangeChoice::All);
    EXPECT_EQ(r.pagesToPrint().size(), 12u);
    r.setPageRangeText("5-3");
    EXPECT_EQ(r.pageRange(), PageRangeChoice::Pages);
    EXPECT_EQ(r.pagesToPrint(), (std::vector<int>{3, 5}));
    r.choosePageRange(PageRangeChoice::CurrentPage);
    EXPECT_TRUE(r.pageRangeText().isEmpty());
    EXPECT_EQ(r.pagesToPrint(), (std::vector<int>{4}));
    r.enterPageRangeEdit();
    EXPECT_EQ(r.pageRange(), PageRangeChoice::Pages);
    r.setPageRangeText("1-6,30");
    r.setPrintWhat(PrintWhatChoice::OddPages);
    EXPECT_EQ(r.pagesToPrint(), (std::vector<int>{1, 3, 5}));
    r.setPrintWhat(PrintWhatChoice::EvenPages);
    EXPECT_EQ(r.pagesToPrint(), (std::vector<int>{2, 4, 6}));
}

TEST_F(PrintDialogRulesTest, OkRefusesWhatCannotPrint) {
    PrintDialogRules r = rules();
    EXPECT_FALSE(r.accept());
    const std::pair<const char *, const char *> refused[] = {
        {"", "No pages entered."},
        {"abc", "No pages entered."},
        {"0,99999", "None of the pages chosen is in the report, which has pages 1 to 12."},
    };
    for (const auto &[text, message] : refused) {
        r.setPageRangeText(text);
        ASSERT_TRUE(r.accept()) << text;
        EXPECT_EQ(*r.accept(), message) << text;
    }
    PrintDialogRules none({}, "", TppPrinterSetup(), 3, 1);
    EXPECT_FALSE(none.hasPrinters());
    EXPECT_EQ(none.accept().value_or(""), "There are no printers connected to your computer.");
}

TEST_F(PrintDialogRulesTest, CopiesStayBetween1And999) {
    PrintDialogRules r = rules();
    EXPECT_EQ(r.copies(), 2);
    r.setCopies(0);
    EXPECT_EQ(r.copies(), 1);
    r.setCopies(5000);
    EXPECT_EQ(r.copies(), 999);
}

} // namespace
