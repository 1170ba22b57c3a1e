// The report preview over 1,000,000 rows (or $SPENDRAKE_BENCH_ROWS) with subtotals by category: turning to a random page
// and drawing it at page width, and changing the zoom of the shown page. The floor is the
// engine's page alone, measured in the same run; the page turn's median divided by it shows
// what drawing adds.
#include "DeviceTextMeasure.h"
#include "BenchTransactions.h"
#include "TableDatabase.h"
#include "TablePassword.h"
#include "TppReport.h"
#include "TppViewer.h"
#include "TransactionLayout.h"
#include "TransactionTable.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {

// SPENDRAKE_BENCH_ROWS replaces the row count for a quicker look.
int rows() {
    const int wanted = qEnvironmentVariableIntValue("SPENDRAKE_BENCH_ROWS");
    return wanted > 0 ? wanted : 1'000'000;
}

struct BenchPreview {
    QTemporaryDir folder;
    TableDatabase database;
    std::unique_ptr<TransactionTable> table;
    TppDBPipeline pipeline;
    TppReport report;
    TppViewer viewer;
    int pages = 0;

    BenchPreview() {
        TableDatabase::addPassword(TablePassword);
        database.setDirectory(folder.path());
        database.createTable("transactions.DAT");
        table = std::make_unique<TransactionTable>(database);
        table->open();
        fillBenchTransactions(database, *table, rows());
        table->setIndexName("CatIndex");
        pipeline.setDataSource(table.get());
        buildTransactionReport(report);
        report.setDataPipeline(&pipeline);
        report.setLocaleFormats(LocaleFormats::unitedStates());
        report.setTextMeasure(deviceTextMeasure(viewer.logicalDpiX()));
        report.find<TppGroup>("ppGroup2")->breakName = "Category";
        report.find<TppDBText>("ppDBText13")->dataField = "Category";
        report.find<TppComponent>("ppDBText13")->visible = true;
        report.find<TppBand>("ppGroupFooterBand2")->visible = true;
        report.regenerate();
        pages = report.pageCount();
        // The Report page of the main window at its design size.
        viewer.resize(930, 440);
        viewer.setReport(&report);
        viewer.regenerated();
    }
};

BenchPreview &shared() {
    static BenchPreview bench;
    return bench;
}

void enginePageAlone(benchmark::State &state) {
    BenchPreview &bench = shared();
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pick(1, bench.pages);
    for (auto _ : state) benchmark::DoNotOptimize(bench.report.page(pick(random)));
    state.counters["pages"] = bench.pages;
    state.counters["rows"] = rows();
}

void turnToRandomPageAtPageWidth(benchmark::State &state) {
    BenchPreview &bench = shared();
    bench.viewer.setZoomSetting(TppZoomSettingType::zsPageWidth);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pick(1, bench.pages);
    for (auto _ : state) {
        bench.viewer.gotoPage(pick(random));
        benchmark::DoNotOptimize(bench.viewer.pageImage());
    }
}

void changeZoom(benchmark::State &state) {
    BenchPreview &bench = shared();
    bench.viewer.gotoPage(bench.pages / 2);
    const TppZoomSettingType settings[] = {TppZoomSettingType::zsWholePage, TppZoomSettingType::zs100Percent,
                                           TppZoomSettingType::zsPageWidth};
    int next = 0;
    for (auto _ : state) {
        bench.viewer.setZoomSetting(settings[next++ % 3]);
        benchmark::DoNotOptimize(bench.viewer.pageImage());
    }
}

} // namespace

BENCHMARK(enginePageAlone)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(turnToRandomPageAtPageWidth)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(changeZoom)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
