// Opening a 100,000-row table and walking it in amount order, with and without a predicate.
#include "TableDatabase.h"
#include "TablePassword.h"
#include "TransactionTable.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Rows = 100'000;

struct BenchTable {
    QTemporaryDir folder;
    TableDatabase database;

    BenchTable() {
        TableDatabase::addPassword(TablePassword);
        database.setDirectory(folder.path());
        database.createTable("transactions.DAT");
        TransactionTable table(database);
        table.open();
        database.startTransaction("transactions.DAT");
        const QStringList accounts{"Checking", "Savings", "Visa", "Mastercard", "Brokerage"};
        for (int i = 0; i < Rows; ++i) {
            table.append();
            table.fieldByName("Date").setAsFloat(40000 + i % 1500);
            table.fieldByName("Description").setAsString(QString("Payee %1").arg(i % 977));
            table.fieldByName("Amount").setAsFloat((i * 7919 % 200000) / 100.0 - 1000);
            table.fieldByName("Type").setAsString(i % 3 ? "debit" : "credit");
            table.fieldByName("Category").setAsString(QString("Category %1").arg(i % 40));
            table.fieldByName("AcctName").setAsString(accounts[i % accounts.size()]);
            table.post();
        }
        database.commit("transactions.DAT");
    }
};

BenchTable &shared() {
    static BenchTable table;
    return table;
}

void walkInAmountOrder(benchmark::State &state, bool withPredicate) {
    BenchTable &bench = shared();
    for (auto _ : state) {
        TransactionTable table(bench.database);
        table.setIndexName("AmountIndex");
        table.open();
        if (withPredicate) {
            table.setOnFilterRecord([](TransactionTable &t) { return t.fieldByName("AcctName").asString() == "Visa"; });
            table.setFiltered(true);
        }
        double sum = 0;
        int count = 0;
        TableField &amount = table.fieldByName("Amount");
        for (table.first(); !table.eof(); table.next()) {
            sum += amount.asFloat();
            ++count;
        }
        benchmark::DoNotOptimize(sum);
        state.counters["rows"] = count;
    }
}

void BM_OpenAndWalkAmountIndex(benchmark::State &state) { walkInAmountOrder(state, false); }
void BM_OpenAndWalkAmountIndexWithPredicate(benchmark::State &state) { walkInAmountOrder(state, true); }

} // namespace

BENCHMARK(BM_OpenAndWalkAmountIndex)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenAndWalkAmountIndexWithPredicate)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
