#include "ReportFixture.h"

namespace {

// Group values, column caption and descriptions, subtotals and the grand total, in print order.
QStringList outline(const TppPage &page) {
    QStringList found;
    for (const TppDrawCommand &command : page.commands) {
        const auto *text = std::get_if<TppDrawText>(&command);
        if (!text) continue;
        const int left = text->left - ReportFixture::Margin;
        if (left == 3440 || left == 24077 || left == 180975 || left == 177800) found << text->text;
    }
    return found;
}

} // namespace

TEST_F(ReportFixture, GroupsByDateWithPerDateSumsAndTheGrandTotal) {
    add({{45001, "c", 100}, {45000, "a", 10}, {45000, "b", -2.5}});
    setOptions(true, false);
    report.regenerate();
    ASSERT_EQ(report.pageCount(), 1);
    EXPECT_EQ(outline(report.page(1)), (QStringList{"3/15/2023", "Description", "Amount", "a", "b", "7.50",
                                                   "3/16/2023", "Description", "Amount", "c", "100.00", "107.50"}));
}

TEST_F(ReportFixture, EmptyBreakNameMakesTheWholeReportOneGroup) {
    add({{45001, "c", 100}, {45000, "a", 10}, {45000, "b", -2.5}});
    setOptions(false, false);
    report.find<TppBand>("ppGroupFooterBand2")->visible = true;
    report.regenerate();
    EXPECT_EQ(outline(report.page(1)), (QStringList{"Description", "Amount", "a", "b", "c", "107.50", "107.50"}));
}

TEST_F(ReportFixture, BreakValuesCompareAsText) {
    // 0.1 + 0.2 and 0.3 differ as numbers but print alike: one group. Letter case differs: two.
    add({{45000, "sum", 0.1 + 0.2, "Food"}, {45001, "plain", 0.3, "food"}});
    table.setIndexName("AmountIndex");
    setOptions(true, false, "Amount");
    report.regenerate();
    EXPECT_EQ(textsAt(report.page(1), SubtotalLeft), QStringList{"0.60"});

    table.setIndexName("CatIndex");
    setOptions(true, false, "Category");
    report.regenerate();
    EXPECT_EQ(textsAt(report.page(1), GroupValueLeft), (QStringList{"Food", "food"}));
    EXPECT_EQ(textsAt(report.page(1), SubtotalLeft), (QStringList{"0.30", "0.30"}));
}

TEST_F(ReportFixture, HiddenDetailStillSumsAndFooterShowsTheEndingGroupsValue) {
    add({{45001, "c", 100}, {45000, "a", 10}, {45000, "b", -2.5}, {45002, "d", -1}});
    setOptions(true, true);
    report.regenerate();
    const TppPage page = report.page(1);
    EXPECT_EQ(detailRows(page), 0);
    EXPECT_FALSE(find(page, "a"));
    EXPECT_EQ(textsAt(page, FooterValueLeft), (QStringList{"3/15/2023", "3/16/2023", "3/17/2023"}));
    EXPECT_EQ(textsAt(page, SideTotalLeft), (QStringList{"7.50", "100.00", "-1.00"}));
    EXPECT_EQ(grandTotal(page), QStringList{"106.50"});
}

TEST_F(ReportFixture, HandlersSupplyLabelTextsAndRunningVariables) {
    add({{45000, "a", 10}, {45000, "b", -2.5}, {45001, "c", 100}});
    report.find<TppLabel>("ppLabel8")->onGetText = [](TppLabel &, QString &text) { text = "70.5"; };
    auto &balance = report.find<TppBand>("ppDetailBand1")->add<TppVariable>("ppVariable1", "Variable1");
    balance.mmLeft = 1000;
    balance.onCalc = [this](TppVariable &, TppValue &value) {
        value = std::get<double>(value) + pipeline.fieldAsFloat("Amount");
    };
    report.regenerate();
    const TppPage page = report.page(1);
    EXPECT_TRUE(find(page, "70.5"));
    EXPECT_EQ(textsAt(page, Margin + 1000), (QStringList{"10", "7.5", "107.5"}));
}

TEST_F(ReportFixture, GroupOnANewPageEachAndBreakOnAComponentsText) {
    add({{45000, "a", 1, "Food"}, {45001, "b", 2, "Rent"}, {45002, "c", 4, "Rent"}});
    setOptions(true, false);
    TppGroup &group = *report.find<TppGroup>("ppGroup2");
    group.breakType = TppBreakType::btCustomField;
    group.breakName = "ppDBText3";  // the Category column's text
    group.newPage = true;
    report.regenerate();
    ASSERT_EQ(report.pageCount(), 2);
    EXPECT_EQ(textsAt(report.page(1), SubtotalLeft), QStringList{"1.00"});
    EXPECT_EQ(textsAt(report.page(2), SubtotalLeft), QStringList{"6.00"});
    EXPECT_EQ(grandTotal(report.page(2)), QStringList{"7.00"});
}
