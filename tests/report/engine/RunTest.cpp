#include "EngineError.h"
#include "ReportFixture.h"

#include <QThread>

TEST_F(ReportFixture, EmptyTableGivesOneBlankPage) {
    report.regenerate();
    EXPECT_EQ(report.pageCount(), 1);
    for (int n : {1, 5}) {
        const TppPage page = report.page(n);
        EXPECT_TRUE(page.commands.empty());
        EXPECT_EQ(page.absolutePageNo, 1);
        EXPECT_TRUE(page.firstPage && page.lastPage);
        EXPECT_EQ(page.pageDefinition.mmPaperWidth, 215900);
    }
}

TEST_F(ReportFixture, RunFollowsTheTablesOrderAndFilterAndLeavesItsCurrentRecord) {
    add({{45000, "a", 30}, {45001, "b", -5}, {45002, "c", 20}, {45003, "d", 10}});
    table.setIndexName("AmountIndex");
    table.setOnFilterRecord([](TransactionTable &t) { return t.fieldByName("Amount").asFloat() > 0; });
    table.setFiltered(true);
    table.setRecNo(1);
    report.regenerate();
    const TppPage page = report.page(1);
    EXPECT_EQ(textsAt(page, DescriptionLeft), (QStringList{"Description", "d", "c", "a"}));
    EXPECT_EQ(grandTotal(page), QStringList{"60.00"});
    EXPECT_EQ(table.recNo(), 1);
    EXPECT_EQ(table.fieldByName("Description").asString(), "c");
}

TEST_F(ReportFixture, PipelineThatCannotOpenStopsTheRun) {
    table.close();
    pipeline.openDataSource = false;
    try {
        report.regenerate();
        FAIL() << "no error";
    } catch (const EngineError &error) {
        EXPECT_EQ(error.text(), "Could not open DataSet.: DBPipeline1");
    }
    // Allowed to open it, the pipeline opens the table itself.
    pipeline.openDataSource = true;
    report.regenerate();
    EXPECT_TRUE(table.active());
    pipeline.setDataSource(nullptr);
    EXPECT_THROW(report.regenerate(), EngineError);
}

TEST_F(ReportFixture, OtherErrorsOfARunAreReportedAsCannotGenerate) {
    add({{45000, "a", 1}});
    auto &variable = report.find<TppBand>("ppDetailBand1")->add<TppVariable>("ppVariable1", "Variable1");
    variable.onCalc = [](TppVariable &, TppValue &) { throw EngineError("Invalid floating point value"); };
    try {
        report.regenerate();
        FAIL() << "no error";
    } catch (const EngineError &error) {
        EXPECT_EQ(error.text(), "Cannot generate report.\n\nInvalid floating point value");
    }
    variable.onCalc = nullptr;
    report.addGroup("ppGroup3", "Group3");
    EXPECT_THROW(report.regenerate(), EngineError);
}

TEST_F(ReportFixture, RegenerateTakesANewPrintDateTimeThatEveryPageCarries) {
    addRows(60);
    report.regenerate();
    const QDateTime first = report.printDateTime();
    EXPECT_EQ(report.page(2).printDateTime, first);
    QThread::msleep(5);
    report.regenerate();
    EXPECT_GT(report.printDateTime(), first);
    EXPECT_EQ(report.page(1).printDateTime, report.printDateTime());
}

TEST(PageRequest, ResolvesToPageNumbers) {
    using S = TppPageSetting;
    const struct {
        TppPageRequest request;
        int current;
        std::vector<int> expected;
    } cases[] = {
        {{S::psAll, 0, {}}, 1, {1, 2, 3}},
        {{S::psSinglePage, 0, {}}, 2, {1}},
        {{S::psSinglePage, -4, {}}, 2, {1}},
        {{S::psSinglePage, 2, {}}, 1, {2}},
        {{S::psSinglePage, 99, {}}, 1, {3}},
        {{S::psFirstPage, 0, {}}, 2, {1}},
        {{S::psFirstPage, 0, {}}, 1, {}},
        {{S::psLastPage, 0, {}}, 1, {3}},
        {{S::psLastPage, 0, {}}, 3, {}},
        {{S::psPageList, 0, {3, 0, 1, 7}}, 1, {3, 1}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(resolvePageRequest(c.request, 3, c.current), c.expected) << int(c.request.pageSetting);
}

TEST_F(ReportFixture, OnePassReportLearnsItsPageCountAtTheEndUnlessAVariableNeedsItFirst) {
    addRows(100);
    report.passSetting = TppPassSetting::psOnePass;
    report.regenerate();
    EXPECT_EQ(report.page(1).absolutePageCount, 0);
    EXPECT_EQ(report.pageCount(), 3);
    EXPECT_EQ(report.page(1).absolutePageCount, 3);

    report.find<TppSystemVariable>("ppSystemVariable2")->varType = TppVarType::vtPageSetDesc;
    report.regenerate();
    EXPECT_TRUE(find(report.page(1), "Page 1 of 3"));
}
