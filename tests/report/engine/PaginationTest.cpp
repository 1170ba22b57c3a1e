#include "ReportFixture.h"

namespace {

// The layout's geometry: the flowing bands end where the page footer begins.
constexpr int PageBottom = 279401 - 6350 - 11906;
constexpr int Title = 31485, GroupHeader = 11642, Detail = 4763;
constexpr int RowsOnFirstPage = (PageBottom - 6350 - Title - GroupHeader) / Detail;
constexpr int RowsOnLaterPages = (PageBottom - 6350 - GroupHeader) / Detail;

} // namespace

TEST_F(ReportFixture, RowsPerPageFollowTheGeometryAndTheFirstPageHoldsFewer) {
    static_assert(RowsOnFirstPage == 44 && RowsOnLaterPages == 51);
    addRows(RowsOnFirstPage + RowsOnLaterPages + 5);
    report.regenerate();
    ASSERT_EQ(report.pageCount(), 3);

    const int expected[] = {RowsOnFirstPage, RowsOnLaterPages, 5};
    for (int n = 1; n <= 3; ++n) {
        const TppPage page = report.page(n);
        EXPECT_EQ(detailRows(page), expected[n - 1]) << n;
        EXPECT_EQ(page.absolutePageNo, n);
        EXPECT_EQ(page.absolutePageCount, 3);
        EXPECT_EQ(page.firstPage, n == 1);
        EXPECT_EQ(page.lastPage, n == 3);
        EXPECT_EQ(page.pageDefinition.mmPaperHeight, 279401);
        // Column captions head every page; the title only the first.
        EXPECT_TRUE(find(page, "Amount")) << n;
        EXPECT_EQ(find(page, "Transaction Report") != nullptr, n == 1);
        EXPECT_TRUE(find(page, QString("Page %1").arg(n)));
    }
    // The grand total closes the last page.
    EXPECT_EQ(grandTotal(report.page(3)), QStringList{"100.00"});
    EXPECT_TRUE(grandTotal(report.page(2)).isEmpty());
}

TEST_F(ReportFixture, AnyPageGeneratedOnItsOwnEqualsThatPageInSequence) {
    add({{45000, "a", 1.25, "X"}, {45000, "b", 2, "X"}});
    addRows(120, 45001, "Y");
    setOptions(true, false, "Category");
    report.regenerate();
    const int count = report.pageCount();
    ASSERT_GE(count, 3);
    const QStringList lastAlone = texts(report.page(count));
    const QStringList secondAlone = texts(report.page(2));
    for (int n = 1; n <= count; ++n) report.page(n);
    EXPECT_EQ(texts(report.page(count)), lastAlone);
    EXPECT_EQ(texts(report.page(2)), secondAlone);
    EXPECT_TRUE(lastAlone.contains("123.25"));  // the grand total carried across pages
}

TEST_F(ReportFixture, DetailThatNoLongerFitsMovesToTheNextPageAfterTheReprintedGroupHeader) {
    addRows(RowsOnFirstPage + 3, 45000);
    setOptions(true, false);
    report.regenerate();
    ASSERT_EQ(report.pageCount(), 2);
    const TppPage second = report.page(2);
    // Group header again at the top, its value first, then the rows that did not fit.
    const TppDrawText *value = find(second, "3/15/2023");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->top, 6350 + 1058);
    const TppDrawText *firstRow = find(second, QString("Row %1").arg(RowsOnFirstPage + 1));
    ASSERT_TRUE(firstRow);
    EXPECT_EQ(firstRow->top, 6350 + GroupHeader + 265);
    EXPECT_EQ(detailRows(second), 3);
}

TEST_F(ReportFixture, OrphanedGroupFooterIsPrecededByItsGroupHeader) {
    // The first group fills page 1 exactly: its footer has no room left there.
    addRows(RowsOnFirstPage, 45000);
    add({{45001, "next day", 5}});
    setOptions(true, false);
    report.regenerate();
    ASSERT_EQ(report.pageCount(), 2);
    EXPECT_TRUE(textsAt(report.page(1), SubtotalLeft).isEmpty());

    const TppPage second = report.page(2);
    EXPECT_EQ(textsAt(second, GroupValueLeft), (QStringList{"3/15/2023", "3/16/2023"}));
    EXPECT_EQ(find(second, "3/15/2023")->top, 6350 + 1058);
    EXPECT_EQ(textsAt(second, SubtotalLeft), (QStringList{"44.00", "5.00"}));
    EXPECT_EQ(detailRows(second), 0);
}

TEST_F(ReportFixture, SummaryThatDoesNotFitMovesToTheNextPageWithoutAGroupHeader) {
    addRows(RowsOnFirstPage);
    report.regenerate();
    ASSERT_EQ(report.pageCount(), 2);
    const TppPage second = report.page(2);
    // The grand total, then only the page footer: print date, page number, empty label.
    const QStringList all = texts(second);
    ASSERT_EQ(all.size(), 4);
    EXPECT_EQ(all[0], "44.00");
    EXPECT_EQ(all[2], "Page 2");
    const TppDrawText *total = find(second, "44.00");
    ASSERT_TRUE(total);
    EXPECT_EQ(total->top, 6350 + 5292);
    EXPECT_FALSE(find(second, "Amount"));
}

TEST_F(ReportFixture, BandTallerThanThePagePrintsOnAPageOfItsOwnInsteadOfLoopingForever) {
    addRows(3);
    report.find<TppBand>("ppDetailBand1")->mmHeight = 400000;
    report.regenerate();
    // Title and group header, then one row per page, then the summary.
    EXPECT_EQ(report.pageCount(), 5);
    EXPECT_EQ(detailRows(report.page(1)), 0);
    EXPECT_EQ(detailRows(report.page(2)), 1);
    EXPECT_EQ(grandTotal(report.page(5)), QStringList{"3.00"});
}
