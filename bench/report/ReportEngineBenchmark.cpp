// The transaction report over 100,000 rows grouped by category with subtotals: a regeneration
// (the counting pass over every record, then page 1) and a later page on its own.
#include "BenchTransactions.h"
#include "TableDatabase.h"
#include "TablePassword.h"
#include "TransactionLayout.h"
#include "TransactionTable.h"
#include "TppReport.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int Rows = 100'000;

struct BenchReport {
    QTemporaryDir folder;
    TableDatabase database;
    std::unique_ptr<TransactionTable> table;
    TppDBPipeline pipeline;
    TppReport report;

    BenchReport() {
        TableDatabase::addPassword(TablePassword);
        database.setDirectory(folder.path());
        database.createTable("transactions.DAT");
        table = std::make_unique<TransactionTable>(database);
        table->open();
        fillBenchTransactions(database, *table, Rows);
        table->setIndexName("CatIndex");
        pipeline.setDataSource(table.get());
        buildTransactionReport(report);
        report.setDataPipeline(&pipeline);
        report.setLocaleFormats(LocaleFormats::unitedStates());
        // A fixed metric stands in for the screen's fonts, which the engine cannot reach.
        report.setTextMeasure([](const QString &text, const TppFont &font) {
            return TextExtent{int(text.size()) * 2000, int(font.size * 423)};
        });
        // Subtotals by category, as the report options set them.
        report.find<TppGroup>("ppGroup2")->breakName = "Category";
        report.find<TppDBText>("ppDBText13")->dataField = "Category";
        report.find<TppDBText>("ppDBText8")->dataField = "Category";
        report.find<TppComponent>("ppDBText13")->visible = true;
        report.find<TppComponent>("ppDBCalc2")->visible = false;
        report.find<TppComponent>("ppDBText8")->visible = false;
    }
};

BenchReport &shared() {
    static BenchReport bench;
    return bench;
}

void regenerateAndShowFirstPage(benchmark::State &state) {
    BenchReport &bench = shared();
    for (auto _ : state) {
        bench.report.regenerate();
        benchmark::DoNotOptimize(bench.report.page(1));
    }
    state.counters["pages"] = bench.report.pageCount();
}

void randomLaterPage(benchmark::State &state) {
    BenchReport &bench = shared();
    bench.report.regenerate();
    const int pages = bench.report.pageCount();
    std::mt19937 random(42);
    std::uniform_int_distribution<int> pick(2, pages);
    for (auto _ : state) benchmark::DoNotOptimize(bench.report.page(pick(random)));
}

} // namespace

BENCHMARK(regenerateAndShowFirstPage)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(randomLaterPage)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
