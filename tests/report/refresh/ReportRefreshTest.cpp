#include "Prompt.h"
#include "ReportControls.h"
#include "ReportHandlers.h"
#include "ReportRefresh.h"
#include "TableFixture.h"
#include "TppReport.h"
#include "TransactionLayout.h"
#include "TransactionTable.h"
#include "TwwFilterDialog.h"


namespace {

class SilentPrompt : public Prompt {
public:
    Answer ask(Kind, const QString &text, Buttons) override {
        told << text;
        return Answer::Ok;
    }
    QStringList told;
};

// A small table, the built-in layout over it, and the refresh wired as the window wires it.
class ReportRefreshTest : public TableFixture {
protected:
    void SetUp() override {
        TableFixture::SetUp();
        table.open();
        add(45000, "Rent", -1200, "Rent", "Checking");
        add(45000, "Grocer", -82.45, "Food", "Checking");
        add(45001, "Paycheck", 2500, "Income", "Checking");
        add(45002, "Coffee", -4.5, "Food", "Visa");
        buildTransactionReport(report);
        pipeline.setDataSource(&table);
        report.setDataPipeline(&pipeline);
        report.setTextMeasure([](const QString &text, const TppFont &) {
            return TextExtent{int(text.size()) * 2000, 4000};
        });
    }

    void add(double date, const char *description, double amount, const char *category, const char *account) {
        table.append();
        table.fieldByName("Date").setAsFloat(date);
        table.fieldByName("Description").setAsString(description);
        table.fieldByName("Amount").setAsFloat(amount);
        table.fieldByName("Category").setAsString(category);
        table.fieldByName("AcctName").setAsString(account);
        table.post();
    }

    void chooseAccount(const QString &name) {
        controls.account = name == "All Account(s)" ? 0 : 1;
        controls.accountShown = name;
    }

    QStringList fieldNames() const {
        QStringList names;
        for (const TwwFieldInfo &entry : filter.FieldInfo) names << entry.FieldName;
        return names;
    }

    QString caption(const char *name) { return report.find<TppLabel>(name)->caption; }

    TransactionTable table{database};
    SilentPrompt prompt;
    TwwFilterDialog filter{table, prompt};
    TppReport report;
    TppDBPipeline pipeline;
    PlainReportControls controls;
    ReportRefresh refresh{controls, table, filter, report};
};

TEST_F(ReportRefreshTest, ToolbarCriteriaAreRewrittenNeverDuplicated) {
    controls.startDate = "3/15/2023";
    controls.endDate = "3/16/2023";
    refresh.Button3Click();
    EXPECT_EQ(fieldNames(), QStringList{"Date"});
    EXPECT_EQ(filter.FieldInfo[0].FilterValue, "R");

    filter.FieldInfo.prepend(TwwFieldInfo::exact("Category", "Category", "Food"));
    chooseAccount("Checking");
    refresh.Button3Click();
    refresh.Button3Click();
    EXPECT_EQ(fieldNames(), (QStringList{"Category", "Date", "AcctName"}));
    EXPECT_EQ(table.recordCount(), 1);  // Grocer: Food, Checking, in range
}

TEST_F(ReportRefreshTest, EmptyPickersLeaveTheDatesOpen) {
    refresh.Button3Click();
    EXPECT_EQ(table.recordCount(), 4);
    EXPECT_EQ(caption("ppLabel15"), " - ");
    EXPECT_EQ(controls.description, " All Account(s)  - ");
}

TEST_F(ReportRefreshTest, DescriptionsReadAsTheUserChoseThem) {
    controls.startDate = "1/1/2009";
    controls.endDate = "3/31/2009";
    chooseAccount("Checking");
    refresh.Button3Click();
    EXPECT_EQ(controls.description, " Checking 1/1/2009 - 3/31/2009");
    EXPECT_EQ(caption("AcctLbl"), "Checking");
    EXPECT_EQ(caption("ppLabel15"), "1/1/2009 - 3/31/2009");
    EXPECT_EQ(caption("ppLabel16"), "");

    chooseAccount("All Account(s)");
    filter.FieldInfo.prepend(TwwFieldInfo::exact("Category", "Category", "Food"));
    refresh.Button3Click();
    EXPECT_EQ(controls.description, " All Account(s) 1/1/2009 - 3/31/2009 where Category = 'Food'");
    EXPECT_EQ(caption("ppLabel16"), " where Category = 'Food'");
}

TEST_F(ReportRefreshTest, NonMatchingSecondCriterionNegatesTheWholeFilterText) {
    TwwFieldInfo second = TwwFieldInfo::exact("Description", "Description", "Rent");
    second.NonMatching = true;
    filter.FieldInfo = {TwwFieldInfo::exact("Category", "Category", "Food"), second};
    refresh.UpdateReportDescription();
    EXPECT_TRUE(caption("ppLabel16").startsWith("NOT  where "));
    EXPECT_EQ(caption("ppLabel16"), "NOT  where Category = 'Food' and Description = 'Rent'");
}

TEST_F(ReportRefreshTest, DescriptionWordsPerMatchType) {
    struct Case {
        TwwFilterMatchType type;
        const char *accounts;
        const char *filter;
    } cases[] = {
        {fdMatchExact, "Visa", " where Notes = 'x'"},
        {fdMatchAny, "...Visa...", " where Notes = ...'x..."},
        {fdMatchStart, "Visa...", " where Notes = x..."},
        {fdMatchEnd, "All Account(s)", " where "},
    };
    for (const Case &c : cases) {
        TwwFieldInfo account = TwwFieldInfo::exact("AcctName", "Account Name", "Visa");
        TwwFieldInfo notes = TwwFieldInfo::exact("Notes", "Notes", "x");
        account.MatchType = notes.MatchType = c.type;
        filter.FieldInfo = {account, notes};
        refresh.UpdateReportDescription();
        EXPECT_EQ(caption("AcctLbl"), c.accounts) << int(c.type);
        EXPECT_EQ(caption("ppLabel16"), c.filter) << int(c.type);
        EXPECT_EQ(controls.accountShown, "Visa");
    }
}

TEST_F(ReportRefreshTest, SubtotalGroupsByTheSortField) {
    auto *group = report.find<TppGroup>("ppGroup2");
    auto *groupValue = report.find<TppDBText>("ppDBText13");
    refresh.Button3Click();
    EXPECT_TRUE(group->breakName.isEmpty());
    EXPECT_FALSE(report.find<TppBand>("ppGroupFooterBand2")->visible);

    controls.subtotals = true;
    table.setIndexName("AmountIndex");
    refresh.wwKeyCombo1Change();
    EXPECT_EQ(group->breakName, "Amount");
    EXPECT_TRUE(groupValue->visible);
    EXPECT_EQ(report.find<TppDBText>("ppDBText8")->dataField, "Amount");

    table.setIndexName("CatIndex");
    refresh.wwKeyCombo1Change();
    EXPECT_EQ(group->breakName, "Category");

    // Names compare exactly; an order the report does not group by keeps the last field.
    EXPECT_TRUE(ReportRefresh::breakFieldForIndex(table.indexDefs(), "catindex").isEmpty());
    EXPECT_TRUE(ReportRefresh::breakFieldForIndex(table.indexDefs(), "PrimaryKey").isEmpty());
    EXPECT_EQ(ReportRefresh::breakFieldForIndex(table.indexDefs(), "AcctIndex"), "AcctName");

    controls.subtotals = false;
    refresh.BreakCheckboxClick();
    EXPECT_TRUE(group->breakName.isEmpty());
    EXPECT_FALSE(groupValue->visible);
    EXPECT_EQ(groupValue->dataField, "Category");
}

TEST_F(ReportRefreshTest, TotalsOnlyDrivesSubtotalAndMovesTheGrandTotal) {
    auto *grandTotal = report.find<TppComponent>("ppDBCalc3");
    controls.totals = true;
    refresh.TotalsOnlyClick();
    EXPECT_TRUE(controls.subtotals);
    EXPECT_FALSE(controls.subtotalEnabled);
    EXPECT_EQ(refresh.CriteriaChanged, 1);
    EXPECT_EQ(grandTotal->mmLeft, 102924);
    EXPECT_EQ(grandTotal->mmWidth, 20373);
    EXPECT_EQ(report.find<TppComponent>("ppLine5")->mmLeft, 102924);
    EXPECT_FALSE(report.find<TppBand>("ppDetailBand1")->visible);
    EXPECT_TRUE(report.find<TppComponent>("ppDBCalc2")->visible);

    controls.totals = false;
    refresh.TotalsOnlyClick();
    EXPECT_FALSE(controls.subtotals);
    EXPECT_TRUE(controls.subtotalEnabled);
    EXPECT_EQ(grandTotal->mmLeft, 177800);
    EXPECT_TRUE(report.find<TppBand>("ppDetailBand1")->visible);
}

TEST_F(ReportRefreshTest, InitializingOnlyMarksTheChange) {
    refresh.Initializing = true;
    controls.subtotals = true;
    refresh.BreakCheckboxClick();
    EXPECT_EQ(refresh.CriteriaChanged, 1);
    EXPECT_TRUE(filter.FieldInfo.isEmpty());
}

TEST_F(ReportRefreshTest, NoMatchingRowGivesOneBlankPage) {
    controls.startDate = "1/1/1990";
    controls.endDate = "1/2/1990";
    refresh.Button3Click();
    EXPECT_EQ(table.recordCount(), 0);
    EXPECT_EQ(report.pageCount(), 1);
    EXPECT_TRUE(report.page(1).commands.empty());
}

} // namespace

namespace {

TEST_F(ReportRefreshTest, TemplateHandlersShowTheImportTotalAndARunningSum) {
    double importTotal = 70;
    QString text;
    TppLabel label;
    const auto getText = ppLabel8GetText(importTotal, LocaleFormats::unitedStates());
    getText(label, text);
    EXPECT_EQ(text, "70");
    importTotal = 70.5;
    getText(label, text);
    EXPECT_EQ(text, "70.5");

    auto &variable = report.band(TppBandType::btDetail)->add<TppVariable>("ppVariable1", "Variable1");
    const auto calc = ppVariable1Calc();
    TppValue value = 0.0;
    pipeline.open();
    for (int row : {2, 3}) {  // Paycheck 2500, Coffee -4.5
        pipeline.setCurrentRow(row);
        calc(variable, value);
    }
    EXPECT_DOUBLE_EQ(std::get<double>(value), 2495.5);
}

} // namespace
