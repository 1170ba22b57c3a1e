#pragma once
#include "QtPrinters.h"
#include "TableFixture.h"
#include "TransactionLayout.h"
#include "TppReport.h"

#include <QRegularExpression>
#include <QStringList>
#include <initializer_list>

struct Txn {
    double date;
    const char *description;
    double amount;
    const char *category = "Food";
};

// The transaction report over a small table, measured with a fixed font metric: every
// character is 2 mm wide and a text is 0.423 mm tall per point.
class ReportFixture : public TableFixture {
protected:
    void SetUp() override {
        TableFixture::SetUp();
        table.open();
        pipeline.setDataSource(&table);
        buildTransactionReport(report);
        report.setDataPipeline(&pipeline);
        report.setLocaleFormats(LocaleFormats::unitedStates());
        report.setTextMeasure([](const QString &text, const TppFont &font) {
            return TextExtent{int(text.size()) * 2000, int(font.size * 423)};
        });
        setOptions(false, false);
    }

    void add(std::initializer_list<Txn> rows) {
        for (const Txn &row : rows) addRow(row);
    }
    void addRow(const Txn &row) {
        table.append();
        table.fieldByName("Date").setAsFloat(row.date);
        table.fieldByName("Description").setAsString(row.description);
        table.fieldByName("Amount").setAsFloat(row.amount);
        table.fieldByName("Category").setAsString(row.category);
        table.post();
    }
    // n rows "Row 1".."Row n" on one day, amount 1 each.
    void addRows(int n, double date = 45000, const char *category = "Food") {
        database.startTransaction("transactions.DAT");
        for (int i = 1; i <= n; ++i) {
            const QByteArray description = QString("Row %1").arg(i).toLatin1();
            addRow({date, description.constData(), 1, category});
        }
        database.commit("transactions.DAT");
    }

    // The visibilities the report options give (subtotals, totals only) and the break field.
    void setOptions(bool subtotal, bool totalsOnly, const QString &breakField = "Date") {
        report.find<TppBand>("ppGroupHeaderBand2")->visible = !totalsOnly;
        report.find<TppBand>("ppGroupFooterBand2")->visible = subtotal;
        report.find<TppBand>("ppDetailBand1")->visible = !totalsOnly;
        report.find<TppComponent>("ppLine3")->visible = !totalsOnly;
        report.find<TppComponent>("ppDBCalc1")->visible = !totalsOnly;
        report.find<TppComponent>("ppDBCalc2")->visible = totalsOnly;
        report.find<TppComponent>("ppDBText8")->visible = totalsOnly;
        report.find<TppComponent>("ppDBText13")->visible = subtotal;
        report.find<TppGroup>("ppGroup2")->breakName = subtotal ? breakField : QString();
        report.find<TppDBText>("ppDBText13")->dataField = breakField;
        report.find<TppDBText>("ppDBText8")->dataField = breakField;
    }

    static QStringList texts(const TppPage &page) {
        QStringList all;
        for (const TppDrawCommand &command : page.commands)
            if (auto *text = std::get_if<TppDrawText>(&command)) all << text->text;
        return all;
    }
    // The texts of the page that were drawn at a left position (page coordinates).
    static QStringList textsAt(const TppPage &page, int left) {
        QStringList found;
        for (const TppDrawCommand &command : page.commands)
            if (auto *text = std::get_if<TppDrawText>(&command); text && text->left == left) found << text->text;
        return found;
    }
    static const TppDrawText *find(const TppPage &page, const QString &content) {
        for (const TppDrawCommand &command : page.commands)
            if (auto *text = std::get_if<TppDrawText>(&command); text && text->text == content) return text;
        return nullptr;
    }
    // The grand total (the Amount caption shares its left edge).
    static QStringList grandTotal(const TppPage &page) {
        return textsAt(page, GrandTotalLeft).filter(QRegularExpression("\\d"));
    }
    static int detailRows(const TppPage &page) { return int(texts(page).filter(QRegularExpression("^Row ")).size()); }

public:
    // Page x positions of the columns and group texts, margin included.
    static constexpr int Margin = 6350;
    static constexpr int GroupValueLeft = Margin + 3440;     // ppDBText13
    static constexpr int FooterValueLeft = Margin + 4233;    // ppDBText8
    static constexpr int SubtotalLeft = Margin + 180975;     // ppDBCalc1
    static constexpr int SideTotalLeft = Margin + 104246;    // ppDBCalc2
    static constexpr int GrandTotalLeft = Margin + 177800;   // ppDBCalc3
    static constexpr int DescriptionLeft = Margin + 24077;

protected:
    TransactionTable table{database};
    TppDBPipeline pipeline;
    TppReport report;
};
