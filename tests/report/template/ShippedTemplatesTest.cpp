#include "DefinitionCompare.h"
#include "ReportFixture.h"
#include "ReportTemplate.h"
#include "TransactionLayout.h"
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kSourceDir = SPENDRAKE_TEMPLATE_SOURCES;  // resources/Reports
const QString kCopiedDir = SPENDRAKE_TEMPLATE_COPIES;   // Reports beside the programs

TemplateHandlers windowHandlers(const TppDBPipeline *pipeline = nullptr)
{
    TemplateHandlers handlers;
    handlers.getText["ppLabel8GetText"] = [](TppLabel &, QString &text) { text = "70.5"; };
    handlers.calc["ppVariable1Calc"] = [pipeline](TppVariable &, TppValue &value) {
        const double *sum = std::get_if<double>(&value);
        value = (sum ? *sum : 0.0) + (pipeline ? pipeline->fieldAsFloat("Amount") : 0.0);
    };
    return handlers;
}

// Every object the refresh and the engine reach by name, where it must be.
struct Placed {
    const char *name;
    const char *className;
    TppBandType band;
};
const Placed kLayoutNames[] = {
    {"ppLabel1", "TppLabel", TppBandType::btTitle},
    {"AcctLbl", "TppLabel", TppBandType::btTitle},
    {"ppLabel15", "TppLabel", TppBandType::btTitle},
    {"ppLabel16", "TppLabel", TppBandType::btTitle},
    {"ppDBText13", "TppDBText", TppBandType::btGroupHeader},
    {"ppLabel2", "TppLabel", TppBandType::btGroupHeader},
    {"ppLabel3", "TppLabel", TppBandType::btGroupHeader},
    {"ppLabel4", "TppLabel", TppBandType::btGroupHeader},
    {"ppLabel5", "TppLabel", TppBandType::btGroupHeader},
    {"ppLabel6", "TppLabel", TppBandType::btGroupHeader},
    {"ppLabel7", "TppLabel", TppBandType::btGroupHeader},
    {"ppLine1", "TppLine", TppBandType::btGroupHeader},
    {"ppDBText1", "TppDBText", TppBandType::btDetail},
    {"ppDBText2", "TppDBText", TppBandType::btDetail},
    {"ppDBText3", "TppDBText", TppBandType::btDetail},
    {"ppDBText4", "TppDBText", TppBandType::btDetail},
    {"ppDBText5", "TppDBText", TppBandType::btDetail},
    {"ppDBText6", "TppDBText", TppBandType::btDetail},
    {"ppDBCalc1", "TppDBCalc", TppBandType::btGroupFooter},
    {"ppDBCalc2", "TppDBCalc", TppBandType::btGroupFooter},
    {"ppLine3", "TppLine", TppBandType::btGroupFooter},
    {"ppDBText8", "TppDBText", TppBandType::btGroupFooter},
    {"ppDBCalc3", "TppDBCalc", TppBandType::btSummary},
    {"ppLine4", "TppLine", TppBandType::btSummary},
    {"ppLine5", "TppLine", TppBandType::btSummary},
    {"ppSystemVariable1", "TppSystemVariable", TppBandType::btFooter},
    {"ppSystemVariable2", "TppSystemVariable", TppBandType::btFooter},
    {"ppLabel8", "TppLabel", TppBandType::btFooter},
    {"ppLine2", "TppLine", TppBandType::btFooter},
};
const std::pair<const char *, TppBandType> kBandNames[] = {
    {"ppTitleBand2", TppBandType::btTitle},           {"ppHeaderBand1", TppBandType::btHeader},
    {"ppGroupHeaderBand2", TppBandType::btGroupHeader}, {"ppDetailBand1", TppBandType::btDetail},
    {"ppGroupFooterBand2", TppBandType::btGroupFooter}, {"ppSummaryBand1", TppBandType::btSummary},
    {"ppFooterBand1", TppBandType::btFooter},
};

void expectEveryLayoutName(const TppReport &report)
{
    for (const auto &[name, type] : kBandNames) {
        const TppBand *band = report.find<TppBand>(name);
        ASSERT_NE(band, nullptr) << name;
        EXPECT_EQ(band->type(), type) << name;
    }
    const TppGroup *group = report.find<TppGroup>("ppGroup2");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->headerBand(), report.find<TppBand>("ppGroupHeaderBand2"));
    EXPECT_EQ(group->footerBand(), report.find<TppBand>("ppGroupFooterBand2"));
    for (const Placed &placed : kLayoutNames) {
        const TppComponent *component = report.find<TppComponent>(placed.name);
        ASSERT_NE(component, nullptr) << placed.name;
        EXPECT_EQ(component->className(), placed.className) << placed.name;
        EXPECT_EQ(component->band()->type(), placed.band) << placed.name;
    }
}

QByteArray contentOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(ShippedTemplates, TransReportHoldsTheBuiltInLayout)
{
    TppReport builtIn;
    buildTransactionReport(builtIn);
    TppReport loaded;
    loadTemplate(loaded, kSourceDir + "/TransReport.rtm", windowHandlers());
    expectSameDefinition(builtIn, loaded);
    expectEveryLayoutName(loaded);
}

TEST(ShippedTemplates, TransAcctReportKeepsEveryNameAndBindsBothHandlers)
{
    TppReport report;
    buildTransactionReport(report);
    loadTemplate(report, kSourceDir + "/TransAcctReport.rtm", windowHandlers());
    expectEveryLayoutName(report);
    EXPECT_EQ(report.find<TppLabel>("ppLabel8")->onGetTextName, "ppLabel8GetText");
    EXPECT_TRUE(report.find<TppLabel>("ppLabel8")->onGetText);
    EXPECT_EQ(report.find<TppVariable>("ppVariable1")->onCalcName, "ppVariable1Calc");
    EXPECT_TRUE(report.find<TppVariable>("ppVariable1")->onCalc);
}

TEST(ShippedTemplates, TheBuildCopiesThemBesideThePrograms)
{
    for (const char *name : {"TransReport.rtm", "TransAcctReport.rtm"}) {
        const QByteArray source = contentOf(kSourceDir + "/" + name);
        EXPECT_FALSE(source.isEmpty()) << name;
        EXPECT_EQ(contentOf(kCopiedDir + "/" + name), source) << name;
    }
}

class AccountTemplateRun : public ReportFixture {};

TEST_F(AccountTemplateRun, PrintsARunningBalanceAndTheImportTotal)
{
    add({{45000, "Pay", 10}, {45001, "Lunch", -2.5}, {45002, "Refund", 5}});
    loadTemplate(report, kSourceDir + "/TransAcctReport.rtm", windowHandlers(&pipeline));
    setOptions(false, false);
    report.regenerate();
    const TppPage page = report.page(1);
    const QStringList all = texts(page);

    EXPECT_TRUE(all.contains("Account Transaction Report"));
    EXPECT_TRUE(all.contains("Balance"));
    const int balanceLeft = Margin + 148000;
    EXPECT_EQ(textsAt(page, balanceLeft), QStringList({"Balance", "10.00", "7.50", "12.50"}));
    EXPECT_TRUE(all.contains("Net amount of the last import:"));
    EXPECT_TRUE(all.contains("70.5"));
    EXPECT_FALSE(all.contains("Checking"));  // the account column stays hidden
    EXPECT_FALSE(all.contains("Account Name"));
    EXPECT_EQ(all.count("12.50"), 2);         // the last balance and the grand total
}
