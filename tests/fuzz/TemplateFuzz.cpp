// A layout template file, in whichever form its signature names, loaded into the transaction
// report, which then lays out and paginates a small table.
#include "EngineError.h"
#include "FuzzInput.h"
#include "ReportTemplate.h"
#include "ScratchTable.h"
#include "TppDBPipeline.h"
#include "TransactionLayout.h"

namespace {

struct Setup {
    ScratchTable scratch;
    TransactionTable &table = scratch.table;
    TppDBPipeline pipeline;
    TemplateHandlers handlers;

    Setup() {
        const char *accounts[] = {"Checking", "Visa"};
        for (int i = 0; i < 12; ++i) {
            table.append();
            table.fieldByName("Date").setAsFloat(45000 + i / 3);
            table.fieldByName("Description").setAsString(QString("Row %1").arg(i));
            table.fieldByName("Amount").setAsFloat(i % 2 ? -12.5 * i : 100.25);
            table.fieldByName("AcctName").setAsString(accounts[i % 2]);
            table.fieldByName("Category").setAsString(i % 3 ? "Food" : "Rent");
            table.post();
        }
        pipeline.setDataSource(&table);
        // The handlers the window program binds.
        handlers.getText["ppLabel8GetText"] = [](TppLabel &, QString &text) { text = "70.5"; };
        handlers.calc["ppVariable1Calc"] = [](TppVariable &, TppValue &value) {
            const double *sum = std::get_if<double>(&value);
            value = (sum ? *sum : 0.0) + 1.5;
        };
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static Setup setup;
    TppReport report;
    buildTransactionReport(report);
    report.setDataPipeline(&setup.pipeline);
    report.setLocaleFormats(LocaleFormats::unitedStates());
    // A fixed metric: every character 2 mm wide, 0.423 mm tall per point.
    report.setTextMeasure([](const QString &text, const TppFont &font) {
        return TextExtent{int(text.size()) * 2000, int(font.size * 423)};
    });
    try {
        loadTemplateData(report, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), setup.handlers);
        report.regenerate();
        const int pages = report.pageCount();
        for (int page = 1; page <= std::min(pages, 3); ++page) report.page(page);
        if (pages > 3) report.page(pages);
    } catch (const EngineError &) {
        // A layout the engine refuses is reported to the user.
    }
    return 0;
}
