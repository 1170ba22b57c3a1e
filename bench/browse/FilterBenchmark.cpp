// Filtering 1,000,000 transactions by a date range, an exact account and the start of the
// description: our record predicate against the same selection as an SQLite query.
#include "Prompt.h"
#include "TableDatabase.h"
#include "TablePassword.h"
#include "TransactionTable.h"
#include "TwwFilterDialog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int Rows = 1'000'000;
constexpr int FirstDay = 40000;
constexpr int FromDay = 40365, ToDay = 40729;  // one year of the four the rows cover

class SilentPrompt : public Prompt {
public:
    Answer ask(Kind, const QString &text, Buttons) override {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        std::abort();
    }
};

void check(int code, sqlite3 *db) {
    if (code == SQLITE_OK || code == SQLITE_DONE || code == SQLITE_ROW) return;
    std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
    std::abort();
}

// Writes the rows straight into the new table file, which is much quicker than posting them
// one by one through the table.
void insertRows(const QString &path) {
    sqlite3 *db = nullptr;
    check(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr), db);
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    sqlite3_stmt *insert = nullptr;
    check(sqlite3_prepare_v2(db,
                             "INSERT INTO transactions (Date, Description, Amount, Type, Category, AcctName)"
                             " VALUES (?,?,?,?,?,?)",
                             -1, &insert, nullptr),
          db);
    const char *accounts[] = {"Checking", "Savings", "Visa", "Mastercard", "Brokerage"};
    for (int i = 0; i < Rows; ++i) {
        const QByteArray description = QString("Payee %1").arg(i % 977).toUtf8();
        const QByteArray category = QString("Category %1").arg(i % 40).toUtf8();
        sqlite3_bind_int(insert, 1, FirstDay + i % 1461);
        sqlite3_bind_text(insert, 2, description.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_double(insert, 3, double(qint64(i) * 7919 % 200000) / 100.0 - 1000);
        sqlite3_bind_text(insert, 4, i % 3 ? "debit" : "credit", -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 5, category.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 6, accounts[i % 5], -1, SQLITE_STATIC);
        check(sqlite3_step(insert), db);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    sqlite3_close(db);
}

struct Fixture {
    QTemporaryDir folder;
    TableDatabase database;
    std::unique_ptr<TransactionTable> table;
    SilentPrompt prompt;
    std::unique_ptr<TwwFilterDialog> filter;
    sqlite3 *peer = nullptr;

    Fixture() {
        TableDatabase::addPassword(TablePassword);
        database.setDirectory(folder.path());
        database.createTable("transactions.DAT");
        const QString path = database.tablePath("transactions.DAT");
        insertRows(path);
        // The peer reads its own copy: the table holds its file exclusively while open.
        const QString peerPath = QDir(folder.path()).filePath("peer.db");
        QFile::copy(path, peerPath);
        check(sqlite3_open_v2(peerPath.toUtf8().constData(), &peer, SQLITE_OPEN_READONLY, nullptr), peer);
        check(sqlite3_exec(peer, "PRAGMA cache_size=-2000000", nullptr, nullptr, nullptr), peer);

        table = std::make_unique<TransactionTable>(database);
        table->open();
        filter = std::make_unique<TwwFilterDialog>(*table, prompt);
        const LocaleFormats &formats = table->localeFormats();
        TwwFieldInfo description;
        description.FieldName = description.DisplayLabel = "Description";
        description.MatchType = fdMatchStart;
        description.FilterValue = "payee 1";
        filter->FieldInfo = {description,
                             TwwFieldInfo::range("Date", "Date", formats.formatShortDate(FromDay),
                                                 formats.formatShortDate(ToDay)),
                             TwwFieldInfo::exact("AcctName", "Account Name", "visa")};
    }
};

Fixture &shared() {
    static Fixture fixture;
    return fixture;
}

void BM_RecordPredicate(benchmark::State &state) {
    Fixture &f = shared();
    int count = 0;
    for (auto _ : state) {
        f.filter->ApplyCriteria();
        count = f.table->recordCount();
    }
    state.counters["rows"] = count;
}

void BM_SqliteQuery(benchmark::State &state) {
    Fixture &f = shared();
    sqlite3_stmt *query = nullptr;
    check(sqlite3_prepare_v2(f.peer,
                             "SELECT rowid FROM transactions WHERE Date BETWEEN ?1 AND ?2"
                             " AND AcctName = 'visa' COLLATE NOCASE AND Description LIKE 'payee 1%'",
                             -1, &query, nullptr),
          f.peer);
    int count = 0;
    for (auto _ : state) {
        sqlite3_bind_int(query, 1, FromDay);
        sqlite3_bind_int(query, 2, ToDay);
        count = 0;
        while (sqlite3_step(query) == SQLITE_ROW) {
            benchmark::DoNotOptimize(sqlite3_column_int64(query, 0));
            ++count;
        }
        sqlite3_reset(query);
    }
    sqlite3_finalize(query);
    state.counters["rows"] = count;
}

} // namespace

BENCHMARK(BM_RecordPredicate)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SqliteQuery)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
