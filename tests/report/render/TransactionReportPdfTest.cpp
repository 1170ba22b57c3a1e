#include "DeviceTextMeasure.h"
#include "DisplayFormatter.h"
#include "GuiApplication.h"
#include "PageOutput.h"
#include "PageRenderer.h"
#include "TableDatabase.h"
#include "TablePassword.h"
#include "TppReport.h"
#include "TransactionLayout.h"
#include "TransactionTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Builds the transaction report over a small table, with subtotals per date, and writes it
// to transaction-report.pdf in the test's build folder, where a person can look at it.
namespace {

struct Transaction {
    int day;  // of January 2009
    const char *description;
    double amount;
    const char *type;
    const char *category;
    const char *account;
    const char *labels;
};

constexpr double january1st2009 = 39814;

// Eight dates of varied length; a long description shows the column clip.
std::vector<Transaction> fixture() {
    const char *descriptions[] = {"Grocery Outlet", "Shell Oil 5742", "MAMMOTH WHOLESALE WAREHOUSE",
                                  "Netflix", "Transfer to Savings", "Corner Cafe", "City Water Dept",
                                  "Amazon Marketplace Order 1142"};
    const char *categories[] = {"Groceries", "Gas & Fuel", "Paycheck", "Entertainment", "Transfer",
                                "Restaurants", "Utilities", "Shopping"};
    const char *accounts[] = {"Checking", "Visa Card", "Savings"};
    const int perDay[] = {12, 9, 14, 7, 11, 13, 8, 10};
    std::vector<Transaction> rows;
    for (int d = 0; d < 8; ++d)
        for (int i = 0; i < perDay[d]; ++i) {
            const int k = d * 5 + i * 3;
            const bool credit = k % 7 == 2;
            const double amount = (credit ? 1 : -1) * (k % 13 * 37.25 + i * 1.1 + (credit ? 1000 : 3.5));
            rows.push_back({2 + d * 3, descriptions[k % 8], amount, credit ? "credit" : "debit",
                            categories[k % 8], accounts[(d + i) % 3], i % 4 == 0 ? "tax" : ""});
        }
    return rows;
}

bool hasText(const TppPage &page, const QString &text) {
    for (const TppDrawCommand &command : page.commands)
        if (auto drawn = std::get_if<TppDrawText>(&command); drawn && drawn->text == text) return true;
    return false;
}

class TransactionReportPdf : public testing::Test {
protected:
    void SetUp() override {
        ensureGuiApplication();
        TableDatabase::addPassword(TablePassword);
        database.setDirectory(folder.path());
        database.createTable("transactions.DAT");
        table.open();
        for (const Transaction &t : fixture()) {
            table.append();
            table.fieldByName("Date").setAsFloat(january1st2009 + t.day - 1);
            table.fieldByName("Description").setAsString(t.description);
            table.fieldByName("Amount").setAsFloat(t.amount);
            table.fieldByName("Type").setAsString(t.type);
            table.fieldByName("Category").setAsString(t.category);
            table.fieldByName("AcctName").setAsString(t.account);
            table.fieldByName("Labels").setAsString(t.labels);
            table.post();
        }
        table.setIndexName("DateIndex");
    }

    // The layout as the refresh leaves it with subtotals on and totals only off.
    void withSubtotalsByDate(TppReport &report) {
        report.band(TppBandType::btGroupFooter)->visible = true;
        report.find<TppComponent>("ppDBText13")->visible = true;
        report.find<TppComponent>("ppDBCalc2")->visible = false;
        report.find<TppComponent>("ppDBText8")->visible = false;
        report.groups().front()->breakName = "Date";
        report.find<TppDBText>("ppDBText13")->dataField = "Date";
        for (const char *name : {"ppDBCalc3", "ppLine4", "ppLine5"}) report.find<TppComponent>(name)->setLeft(7.0);
        report.find<TppComponent>("ppDBCalc3")->setWidth(0.8021);
        report.find<TppLabel>("AcctLbl")->caption = "All Account(s)";
        report.find<TppLabel>("ppLabel15")->caption = "1/2/2009 - 1/23/2009";
        report.find<TppLabel>("ppLabel16")->caption = " where Type = 'debit' or Type = 'credit'";
    }

    QTemporaryDir folder;
    TableDatabase database;
    TransactionTable table{database};
};

TEST_F(TransactionReportPdf, ThreePagesWithSubtotalsGoIntoOnePdf) {
    TppDBPipeline pipeline;
    pipeline.setDataSource(&table);
    TppReport report;
    buildTransactionReport(report);
    pipeline.setTransactionFields();
    report.setDataPipeline(&pipeline);
    report.setLocaleFormats(LocaleFormats::unitedStates());
    report.setTextMeasure(deviceTextMeasure(pdfDotsPerInch));
    withSubtotalsByDate(report);
    report.regenerate();
    ASSERT_EQ(report.pageCount(), 3);

    double total = 0;
    for (const Transaction &t : fixture()) total += t.amount;
    const QString grandTotal = formatDisplayValue("0.00", TppDataType::dtDouble, total, LocaleFormats::unitedStates());
    EXPECT_TRUE(hasText(report.page(3), grandTotal)) << grandTotal.toStdString();
    for (int n = 1; n <= 3; ++n) EXPECT_TRUE(hasText(report.page(n), QString("Page %1").arg(n)));

    const QString file = QString(SPENDRAKE_RENDER_OUTPUT) + "/transaction-report.pdf";
    int next = 0;
    writePdf(file, [&]() -> std::optional<TppPage> {
        if (next == report.pageCount()) return std::nullopt;
        return report.page(++next);
    });
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 3);

    // The preview's form of page 1: measured and drawn for a 96 dpi screen.
    report.setTextMeasure(deviceTextMeasure(96));
    report.regenerate();
    const QImage preview = renderPageImage(report.page(1), 96);
    ASSERT_EQ(preview.size(), QSize(816, 1057));  // the report's paper is 279.401 mm high
    EXPECT_TRUE(preview.save(QString(SPENDRAKE_RENDER_OUTPUT) + "/preview-page-1.png"));
}

} // namespace
