#include "PreviewPaging.h"
#include "ReportFixture.h"

namespace {

// The preview's paging over a real report: three pages of rows.
class PreviewPagingTest : public ReportFixture {
protected:
    void SetUp() override {
        ReportFixture::SetUp();
        addRows(150);
        report.regenerate();
        paging.setReport(&report);
        paging.setOnPage([this] { ++received; });
        ASSERT_GE(report.pageCount(), 3);
        last = report.pageCount();
    }

    PreviewPaging paging;
    int received = 0;
    int last = 0;
};

TEST_F(PreviewPagingTest, MovesAndIgnoresMovesThatChangeNothing) {
    ASSERT_TRUE(paging.regenerated());
    EXPECT_EQ(paging.shownPageNo(), 1);
    EXPECT_FALSE(paging.priorPage());
    EXPECT_FALSE(paging.firstPage());
    EXPECT_FALSE(paging.gotoPage(1));
    EXPECT_EQ(received, 1);

    EXPECT_TRUE(paging.nextPage());
    EXPECT_EQ(paging.shownPageNo(), 2);
    EXPECT_TRUE(paging.lastPage());
    EXPECT_EQ(paging.shownPageNo(), last);
    EXPECT_FALSE(paging.nextPage());
    EXPECT_FALSE(paging.lastPage());
    EXPECT_TRUE(paging.priorPage());
    EXPECT_EQ(paging.shownPageNo(), last - 1);
    EXPECT_EQ(received, 4);

    // Numbers outside the report show its ends.
    EXPECT_TRUE(paging.gotoPage(99999));
    EXPECT_EQ(paging.shownPageNo(), last);
    EXPECT_TRUE(paging.gotoPage(0));
    EXPECT_EQ(paging.shownPageNo(), 1);
}

TEST_F(PreviewPagingTest, RequestsWhileGeneratingAreIgnored) {
    // A page request whose generation lets events run: a second request then finds the
    // preview busy.
    bool inner = true;
    paging.setOnPage([&] {
        if (paging.generating()) inner = paging.nextPage();
    });
    report.setTextMeasure([&](const QString &text, const TppFont &font) {
        if (paging.generating()) inner = paging.nextPage();
        return TextExtent{int(text.size()) * 2000, int(font.size * 423)};
    });
    report.regenerate();
    ASSERT_TRUE(paging.regenerated());
    EXPECT_FALSE(inner);
    EXPECT_EQ(paging.shownPageNo(), 1);
}

using EmptyPreviewTest = ReportFixture;

TEST_F(EmptyPreviewTest, AnEmptyReportShowsOneBlankPage) {
    report.regenerate();
    PreviewPaging paging(&report);
    ASSERT_TRUE(paging.regenerated());
    ASSERT_TRUE(paging.shown());
    EXPECT_TRUE(paging.shown()->commands.empty());
    EXPECT_FALSE(paging.nextPage());
    EXPECT_FALSE(paging.lastPage());
}

} // namespace
