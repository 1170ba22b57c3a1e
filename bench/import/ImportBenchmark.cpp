// Imports a generated 100,000-row export through the import command (engine, debit pass and
// commit) and, side by side, loads the same file with the sqlite3 shell's CSV import into the
// same schema with the same indexes. EngineOnly times the transfer alone, for comparison.
#include "ImportCommand.h"
#include "ImportFileChooser.h"
#include "Prompt.h"
#include "TableDatabase.h"
#include "TablePassword.h"
#include "TransactionSchema.h"
#include "TransactionTable.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <sys/resource.h>  // the peak memory of our side

#include <cstdlib>

namespace {

// 100,000 rows unless SPENDRAKE_BENCH_ROWS says otherwise (1000000 for the large run).
const int Rows = qEnvironmentVariableIsSet("SPENDRAKE_BENCH_ROWS") ? qEnvironmentVariableIntValue("SPENDRAKE_BENCH_ROWS")
                                                                  : 100'000;

// The files live in SPENDRAKE_BENCH_DIR when it is set (the run script measures the loader's
// memory from there), else in a temporary folder.
QDir folder() {
    static QTemporaryDir temporary;
    const QByteArray chosen = qgetenv("SPENDRAKE_BENCH_DIR");
    return QDir(chosen.isEmpty() ? temporary.path() : QString::fromLocal8Bit(chosen));
}

QString exportFile() {
    static const QString path = [] {
        const QString file = folder().filePath("export.csv");
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write("\"Date\",\"Description\",\"Original Description\",\"Amount\",\"Transaction Type\",\"Category\","
                  "\"Account Name\",\"Labels\",\"Notes\"\n");
        QRandomGenerator random(42);
        const char *payees[] = {"Corner Grocery", "City Power & Light", "Bean There Cafe", "Pizza \"\"Napoli\"\"",
                                "Fuel Stop", "Acme Corp Payroll", "Hardware Hut, Inc."};
        const char *accounts[] = {"Everyday Checking", "Rewards Visa", "Savings", "Travel Card"};
        const char *categories[] = {"Groceries", "Utilities", "Coffee Shops", "Restaurants", "Gas & Fuel", "Paycheck"};
        for (int i = 0; i < Rows; ++i) {
            const int day = random.bounded(28) + 1, month = random.bounded(12) + 1, year = 2015 + random.bounded(10);
            const char *payee = payees[random.bounded(7)];
            const QByteArray amount = QByteArray::number(random.bounded(100000) / 100.0, 'f', 2);
            out.write(QByteArray("\"") + QByteArray::number(month) + "/" + QByteArray::number(day) + "/" +
                      QByteArray::number(year) + "\",\"" + payee + "\",\"" + payee + " #" + QByteArray::number(i) +
                      " SPRINGFIELD\",\"" + amount + "\",\"" + (random.bounded(10) < 6 ? "debit" : "credit") +
                      "\",\"" + categories[random.bounded(6)] + "\",\"" + accounts[random.bounded(4)] + "\",\"" +
                      (i % 5 ? "" : "Tax") + "\",\"" + (i % 7 ? "" : "receipt, box 3") + "\"\n");
        }
        return file;
    }();
    return path;
}

struct Yes : Prompt {
    Answer ask(Kind kind, const QString &, Buttons) override {
        return kind == Kind::Warning ? Answer::Yes : Answer::No;
    }
};

struct File : ImportFileChooser {
    std::optional<QString> chooseImportFile() override { return exportFile(); }
};

// A new empty table file in `subfolder`, for one run.
struct EmptyTable {
    explicit EmptyTable(const QString &subfolder) {
        TableDatabase::addPassword(TablePassword);
        const QString dir = folder().filePath(subfolder);
        QDir().mkpath(dir);
        QFile::remove(dir + "/transactions.DAT");
        database.setDirectory(dir);
        database.createTable("transactions.DAT");
    }
    TableDatabase database;
    TransactionTable transDB{database};
};

// The import as the user runs it, into a table that already holds the rows of an earlier
// import, keeping the replaced table as the previous one (argument 1), or without that copy
// (argument 0).
void OurImport(benchmark::State &state) {
    exportFile();
    for (auto _ : state) {
        state.PauseTiming();
        EmptyTable table("ours");
        TransactionTable &transDB = table.transDB;
        transDB.open();
        Yes prompt;
        File chooser;
        TAscii2DB ascii2DB;
        ImportCommand command(transDB, ascii2DB, prompt, chooser, {});
        command.setKeepPreviousTable(false);
        command.Open1Click();  // the earlier import: the copy below is of a full table
        command.setKeepPreviousTable(state.range(0) != 0);
        state.ResumeTiming();
        const ImportOutcome outcome = command.Open1Click();
        if (outcome.counters.RecordsAppended != Rows) state.SkipWithError("import incomplete");
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_KB"] = double(usage.ru_maxrss);
}

void EngineOnly(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        EmptyTable table("engine");
        TAscii2DB ascii2DB;
        ascii2DB.setDestination(&table.transDB);
        ascii2DB.setFieldList({"Date", "Description", "OrigDesc", "Amount", "Type", "Category", "AcctName", "Labels", "Notes"});
        ascii2DB.setSkipLines(1);
        ascii2DB.setAsciiFile(exportFile());
        state.ResumeTiming();
        ascii2DB.Transfer();
    }
}

void SqliteShellImport(benchmark::State &state) {
    const QString file = exportFile();
    const QString db = folder().filePath("loader.db");
    const QString script = folder().filePath("load.sql");
    {
        QFile out(script);
        out.open(QIODevice::WriteOnly);
        for (const QString &statement : TransactionSchema::createStatements()) out.write(statement.toUtf8() + ";\n");
        out.write(".import --csv --skip 1 '" + file.toUtf8() + "' transactions\n");
    }
    const QByteArray command = "sqlite3 '" + db.toUtf8() + "' < '" + script.toUtf8() + "'";
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(db);
        state.ResumeTiming();
        if (std::system(command.constData()) != 0) state.SkipWithError("sqlite3 failed");
    }
}

} // namespace

BENCHMARK(OurImport)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(EngineOnly)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(SqliteShellImport)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK_MAIN();
