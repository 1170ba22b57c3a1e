#include "QtPrinters.h"
#include "ReportUnits.h"
#include "TransactionLayout.h"
#include "TppReport.h"

#include <gtest/gtest.h>

TEST(ReportUnits, InchesBecomeThousandthsOfAMillimetreAsStoredLayoutsExpect) {
    const struct { double inches; int expected; } cases[] = {
        {7.0, 177800}, {0.8021, 20373}, {4.0521, 102924}, {0.25, 6350}, {0, 0}, {-1.0, -25400},
    };
    for (const auto &c : cases) EXPECT_EQ(inchesToThousandthsMM(c.inches), c.expected) << c.inches;
    EXPECT_EQ(toThousandthsMM(1.5, TppUnits::utMillimeters), 1500);
    EXPECT_EQ(inchesToThousandthsMM(1e300), std::numeric_limits<int>::max());
}

TEST(ReportDefinition, ComponentLeftAndWidthAreSetInTheReportsUnits) {
    TppReport report;
    buildTransactionReport(report);
    auto *total = report.find<TppDBCalc>("ppDBCalc3");
    ASSERT_TRUE(total);
    total->setLeft(4.0521);
    total->setWidth(0.8021);
    EXPECT_EQ(total->mmLeft, 102924);
    EXPECT_EQ(total->mmWidth, 20373);
    report.units = TppUnits::utMillimeters;
    total->setLeft(10);
    EXPECT_EQ(total->mmLeft, 10000);
}

TEST(ReportDefinition, EveryObjectIsReachableByComponentNameAndByUserName) {
    TppReport report;
    buildTransactionReport(report);
    EXPECT_EQ(report.find<TppLabel>("ppLabel15"), report.find<TppLabel>("AcctLbl1"));
    EXPECT_EQ(report.find<TppLabel>("ppLabel15")->caption, "Dates");
    EXPECT_EQ(report.find<TppBand>("ppDetailBand1")->type(), TppBandType::btDetail);
    EXPECT_EQ(report.find<TppGroup>("Group2"), report.find<TppGroup>("ppGroup2"));
    EXPECT_EQ(report.find<TppSystemVariable>("ppSystemVariable2")->varType, TppVarType::vtPageNoDesc);
    EXPECT_EQ(report.find<TppLine>("ppLine2")->penWidth, 5);
    EXPECT_EQ(report.find<TppReport>("ppReport1"), &report);
    EXPECT_EQ(report.findByName("ppNoSuchThing"), nullptr);
    EXPECT_EQ(report.find<TppLabel>("ppDBText1"), nullptr);  // a data text is no label
    EXPECT_EQ(report.components().size(), 29u);

    // Bands come back in print order whatever order they were added in.
    QStringList order;
    for (TppBand *band : report.bands()) order << band->name();
    EXPECT_EQ(order, (QStringList{"ppTitleBand2", "ppHeaderBand1", "ppGroupHeaderBand2", "ppDetailBand1",
                                  "ppGroupFooterBand2", "ppFooterBand1", "ppSummaryBand1"}));
}

TEST(ReportDefinition, PublishedPropertiesAreReadAndWrittenByName) {
    TppReport report;
    buildTransactionReport(report);
    TppObject &label = *report.findByName("ppLabel16");
    EXPECT_EQ(label.property("Font.Style").toStringList(), (QStringList{"fsBold", "fsItalic"}));
    EXPECT_EQ(label.property("font.size").toDouble(), 10.0);
    EXPECT_EQ(label.property("Font.Color").toInt(), 0x008080);
    EXPECT_EQ(label.property("TextAlignment").toString(), "taCentered");

    EXPECT_TRUE(label.setProperty("TextAlignment", QString("taRightJustified")));
    EXPECT_TRUE(label.setProperty("Font.Style", QStringList{"fsUnderline"}));
    EXPECT_TRUE(label.setProperty("mmLeft", 1234));
    EXPECT_TRUE(label.setProperty("Caption", QString("where x")));
    const auto &typed = static_cast<TppLabel &>(label);
    EXPECT_EQ(typed.textAlignment, TppTextAlignment::taRightJustified);
    EXPECT_TRUE(typed.font.underline && !typed.font.bold);
    EXPECT_EQ(typed.mmLeft, 1234);
    EXPECT_EQ(typed.caption, "where x");

    // Values that do not suit the property are refused and change nothing.
    EXPECT_FALSE(label.setProperty("TextAlignment", QString("taSideways")));
    EXPECT_FALSE(label.setProperty("mmWidth", -5));
    EXPECT_FALSE(label.setProperty("mmLeft", QString("12")));
    EXPECT_FALSE(label.setProperty("Font.Style", QStringList{"fsBold", "fsShiny"}));
    EXPECT_FALSE(label.setProperty("NoSuchProperty", 1));
    EXPECT_TRUE(typed.font.underline && !typed.font.bold);
    EXPECT_EQ(typed.textAlignment, TppTextAlignment::taRightJustified);
    EXPECT_FALSE(label.property("NoSuchProperty").isValid());

    EXPECT_EQ(report.property("PrinterSetup.mmPaperHeight").toInt(), 279401);
    EXPECT_TRUE(report.setProperty("PrinterSetup.mmMarginTop", 10000));
    EXPECT_EQ(report.printerSetup.mmMarginTop, 10000);
    EXPECT_EQ(report.property("NoDataBehaviors").toStringList(), QStringList{"ndBlankPage"});
    EXPECT_TRUE(report.findByName("ppLine1")->setProperty("Weight", 3.75));
    EXPECT_EQ(report.find<TppLine>("ppLine1")->penWidth, 5);
}

TEST(ReportDefinition, ClearedDefinitionIsRebuiltFromParts) {
    TppReport report;
    buildTransactionReport(report);
    report.clear();
    EXPECT_TRUE(report.bands().empty());
    EXPECT_EQ(report.findByName("ppLabel1"), nullptr);

    TppGroup &group = report.addGroup("ppGroup1", "Group1");
    EXPECT_EQ(report.addBand(TppBandType::btGroupHeader), nullptr);  // a group band needs its group
    TppBand *header = report.addBand(TppBandType::btGroupHeader, &group);
    ASSERT_TRUE(header);
    EXPECT_EQ(group.headerBand(), header);
    EXPECT_EQ(report.addBand(TppBandType::btGroupHeader, &group), nullptr);  // one per group
    TppBand *detail = report.addBand(TppBandType::btDetail);
    ASSERT_TRUE(detail);
    EXPECT_EQ(report.addBand(TppBandType::btDetail), nullptr);  // one per report

    auto component = createComponent("TppDBText");
    ASSERT_TRUE(component);
    component->setName("ppDBText1");
    detail->add(std::move(component));
    EXPECT_EQ(report.find<TppDBText>("ppDBText1")->band(), detail);
    EXPECT_EQ(createComponent("TppShape"), nullptr);
    EXPECT_EQ(TppBand::typeOfClass("TppSummaryBand"), TppBandType::btSummary);
}
