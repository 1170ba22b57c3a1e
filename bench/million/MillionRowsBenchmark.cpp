// What a user waits for with 1,000,000 transactions: opening the table with the report on
// page 1, each sort change, a filter on Description, a random page; and the peak memory.
//   bench_million make <folder> [rows]   writes the table file once
//   bench_million run <folder>           one round; prints "name wall-ms cpu-ms" lines
#include "DeviceTextMeasure.h"
#include "PageOutput.h"
#include "Prompt.h"
#include "ReportControls.h"
#include "ReportRefresh.h"
#include "Sqlite.h"
#include "TableDatabase.h"
#include "TablePassword.h"
#include "TransactionDateSpan.h"
#include "TransactionLayout.h"
#include "TransactionTable.h"
#include "TppReport.h"
#include "TwwFilterDialog.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextStream>
#include <sys/resource.h>
#include <ctime>

#include <random>

namespace {

const QString tableName = "transactions.DAT";

// Rows shaped like an export: a few thousand payees, dozens of categories, four accounts,
// ten years of days, an original description unique to each row, sparse tags and notes.
void makeTable(const QString &folder, int rows) {
    TableDatabase database;
    database.setDirectory(folder);
    database.createTable(tableName);
    SqliteConnection connection(database.tablePath(tableName), false);
    connection.exec("BEGIN");
    SqliteStatement insert(connection, "INSERT INTO transactions (Date, Description, OrigDesc, Amount, Type, "
                                       "Category, AcctName, Labels, Notes) VALUES (?,?,?,?,?,?,?,?,?)");
    const QStringList accounts{"Everyday Checking", "Rewards Visa", "Savings", "Travel Card"};
    std::mt19937 random(42);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    for (int i = 0; i < rows; ++i) {
        const QString payee = QString("%1 Payee %2").arg(pick(2) ? "Corner" : "city").arg(pick(3000));
        insert.bindInt(1, 42000 + pick(3650));
        insert.bindText(2, payee);
        insert.bindText(3, QString("%1 #%2 SPRINGFIELD").arg(payee.toUpper()).arg(i));
        insert.bindDouble(4, pick(200000) / 100.0 - (pick(5) ? 1000 : 0));
        insert.bindText(5, pick(5) < 3 ? "debit" : "credit");
        insert.bindText(6, QString("Category %1").arg(pick(60)));
        insert.bindText(7, accounts[pick(4)]);
        if (i % 5) insert.bindNull(8);
        else insert.bindText(8, pick(2) ? "Tax" : "business");
        if (i % 7) insert.bindNull(9);
        else insert.bindText(9, "receipt, box 3");
        insert.step();
        insert.reset();
    }
    connection.exec("COMMIT");
}

struct NoPrompt : Prompt {
    Answer ask(Kind, const QString &, Buttons) override { return Answer::Ok; }
};

class Round {
public:
    explicit Round(const QString &folder) {
        TableDatabase::addPassword(TablePassword);
        database_.setDirectory(folder);
        table_.setLocaleFormats(LocaleFormats::unitedStates());
        buildTransactionReport(report_);
        pipeline_.setDataSource(&table_);
        report_.setDataPipeline(&pipeline_);
        report_.setLocaleFormats(LocaleFormats::unitedStates());
        report_.setTextMeasure(deviceTextMeasure(pdfDotsPerInch));
    }

    void run() {
        QElapsedTimer total;
        total.start();
        const qint64 totalCpu = cpuMilliseconds();
        time("open", [&] { table_.open(); });
        time("first sort (Category)", [&] { table_.setIndexName("CatIndex"); });
        time("refresh with subtotals", [&] {
            const auto [earliest, latest] = transactionDateSpan(table_);
            controls_.startDate = table_.localeFormats().formatShortDate(earliest);
            controls_.endDate = table_.localeFormats().formatShortDate(latest);
            controls_.subtotals = true;
            refresh_.Button3Click();
        });
        time("page 1", [&] { report_.page(1); });
        print("open + sort + refresh + page 1", total.elapsed(), cpuMilliseconds() - totalCpu);
        for (const char *index : {"DateIndex", "DescIndex", "AmountIndex", "TypeIndex", "AcctIndex", "LblIndex", "CatIndex"})
            time(QString("sort change to %1").arg(index), [&] { table_.setIndexName(index); });
        time("refresh after sort change", [&] { refresh_.Button3Click(); });
        time("filter on Description + refresh", [&] {
            TwwFieldInfo criterion;
            criterion.FieldName = criterion.DisplayLabel = "Description";
            criterion.MatchType = fdMatchAny;
            criterion.FilterValue = "payee 12";
            filter_.FieldInfo.append(criterion);
            refresh_.Button3Click();
        });
        time("page 1 filtered", [&] { report_.page(1); });
        std::mt19937 random(7);
        const int pages = report_.pageCount();
        time("random page", [&] { report_.page(2 + int(random() % unsigned(std::max(1, pages - 1)))); });
        QTextStream(stdout) << "rows shown " << table_.recordCount() << ", pages " << pages << "\n";
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        print("peak resident MB", usage.ru_maxrss / 1024, usage.ru_maxrss / 1024);
    }

private:
    // Wall-clock and processor milliseconds: on a busy machine the second shows the work.
    template <class Work> void time(const QString &name, Work work) {
        QElapsedTimer timer;
        timer.start();
        const qint64 cpu = cpuMilliseconds();
        work();
        print(name, timer.elapsed(), cpuMilliseconds() - cpu);
    }
    static qint64 cpuMilliseconds() {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
    }
    void print(const QString &name, qint64 wall, qint64 cpu) {
        QTextStream(stdout) << name << "\t" << wall << "\t" << cpu << "\n";
    }

    TableDatabase database_;
    TransactionTable table_{database_, tableName};
    NoPrompt prompt_;
    TwwFilterDialog filter_{table_, prompt_};
    TppReport report_;
    TppDBPipeline pipeline_;
    PlainReportControls controls_;
    ReportRefresh refresh_{controls_, table_, filter_, report_};
};

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == "make") {
        TableDatabase::addPassword(TablePassword);
        makeTable(args[2], args.size() > 3 ? args[3].toInt() : 1'000'000);
        return 0;
    }
    if (args.size() >= 3 && args[1] == "run") {
        Round(args[2]).run();
        return 0;
    }
    QTextStream(stderr) << "usage: bench_million make <folder> [rows] | run <folder>\n";
    return 2;
}
