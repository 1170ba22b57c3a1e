// The companion program killed outright at many moments of an import that replaces a table:
// whatever the moment, the table afterwards passes SQLite's integrity check, opens in the
// program, and holds exactly the rows it held before or exactly the rows of the new export.
#include "GeneratedExport.h"
#include "TableDatabase.h"
#include "TablePassword.h"
#include "TransactionTable.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>
#include <optional>
#include <iostream>

namespace {

constexpr int newRows = 8000;
constexpr int kills = 24;
// Kill moments run from the start to this many times the length of an uninterrupted import,
// so that the late ones fall after the commit (the bulk import is short next to the program's
// start, which every kill pays).
constexpr double lastMoment = 2.5;

class ImportCrash : public ::testing::Test {
protected:
    void SetUp() override {
        TableDatabase::addPassword(TablePassword);
        ASSERT_TRUE(QFile::copy(SPENDRAKE_TEST_DATA "/cli/export.csv", folder.filePath("old.csv")));
        writeGeneratedExport(folder.filePath("new.csv"), newRows);
        ASSERT_EQ(runToEnd({"init"}), 0);
        ASSERT_EQ(runToEnd({"import", folder.filePath("old.csv")}), 0);
        ASSERT_TRUE(QFile::copy(table(), folder.filePath("old.DAT")));
    }

    QString table() const { return folder.filePath("transactions.DAT"); }

    void start(QProcess &process, const QStringList &arguments) {
        process.start(SPENDRAKE_CLI, QStringList{"--locale", "en_US", "--dir", folder.path()} + arguments);
        ASSERT_TRUE(process.waitForStarted());
    }

    int runToEnd(const QStringList &arguments) {
        QProcess process;
        start(process, arguments);
        process.waitForFinished(60000);
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    // The table as it was after the first import, with no journal beside it.
    void restoreOldTable() {
        QFile::remove(table() + "-journal");
        QFile::remove(table());
        ASSERT_TRUE(QFile::copy(folder.filePath("old.DAT"), table()));
    }

    // Opened the way any SQLite program opens it, which also rolls back a journal left behind.
    bool passesIntegrityCheck() {
        sqlite3 *db = nullptr;
        bool ok = sqlite3_open_v2(QFile::encodeName(table()).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
        sqlite3_stmt *check = nullptr;
        ok = ok && sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr) == SQLITE_OK &&
             sqlite3_step(check) == SQLITE_ROW &&
             QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(check, 0))) == "ok";
        sqlite3_finalize(check);
        sqlite3_close(db);
        return ok;
    }

    // Every row as one text, sorted; empty when the program cannot open the table.
    std::optional<QStringList> rowsAsProgramSeesThem(const QString &tableName = "transactions.DAT") {
        try {
            TableDatabase database;
            database.setDirectory(folder.path());
            TransactionTable transactions(database, tableName);
            transactions.open();
            QStringList rows;
            for (transactions.first(); !transactions.eof(); transactions.next()) {
                QStringList fields;
                for (int f = 0; f < transactions.fieldCount(); ++f) fields << transactions.field(f).asString();
                rows << fields.join('|');
            }
            rows.sort();
            return rows;
        } catch (const std::exception &) {
            return std::nullopt;
        }
    }

    QTemporaryDir folder;
};

TEST_F(ImportCrash, KilledImportLeavesOldOrNewRowsNeverAMix) {
    const std::optional<QStringList> oldRows = rowsAsProgramSeesThem();
    ASSERT_TRUE(oldRows && oldRows->size() == 7);

    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(runToEnd({"import", folder.filePath("new.csv")}), 0);
    const qint64 importMs = clock.elapsed();
    const std::optional<QStringList> newRowsSeen = rowsAsProgramSeesThem();
    ASSERT_TRUE(newRowsSeen && newRowsSeen->size() == newRows);

    int old = 0, fresh = 0, partial = 0, corrupt = 0;
    for (int k = 0; k < kills; ++k) {
        restoreOldTable();
        const int moment = int(importMs * lastMoment * k / (kills - 1));
        QProcess child;
        start(child, {"import", folder.filePath("new.csv")});
        if (!child.waitForFinished(moment)) ::kill(pid_t(child.processId()), SIGKILL);
        child.waitForFinished(60000);

        const bool intact = passesIntegrityCheck();
        const std::optional<QStringList> rows = rowsAsProgramSeesThem();
        if (!intact || !rows) ++corrupt;
        else if (*rows == *oldRows) ++old;
        else if (*rows == *newRowsSeen) ++fresh;
        else ++partial;
    }
    std::cout << "import of " << newRows << " rows took " << importMs << " ms; kills: " << kills << ", old: " << old
              << ", new: " << fresh << ", partial: " << partial << ", corrupt: " << corrupt << std::endl;
    EXPECT_EQ(partial, 0);
    EXPECT_EQ(corrupt, 0);
    // The moments reached both sides of the commit.
    EXPECT_GT(old, 0);
    EXPECT_GT(fresh, 0);
}

// A restore killed at any moment leaves both the table and the kept copy whole: each opens in
// the program, and together they hold the two tables, swapped or not.
TEST_F(ImportCrash, KilledRestoreLeavesBothTablesWhole) {
    ASSERT_EQ(runToEnd({"import", folder.filePath("new.csv")}), 0);
    const std::optional<QStringList> newRowsSeen = rowsAsProgramSeesThem();
    ASSERT_TRUE(newRowsSeen);
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(runToEnd({"restore-previous"}), 0);
    const qint64 restoreMs = clock.elapsed();
    const std::optional<QStringList> oldRows = rowsAsProgramSeesThem();
    ASSERT_TRUE(oldRows && oldRows->size() == 7);
    int swapped = 0, unswapped = 0, broken = 0;
    for (int k = 0; k < kills; ++k) {
        const std::optional<QStringList> before = rowsAsProgramSeesThem();
        QProcess child;
        start(child, {"restore-previous"});
        if (!child.waitForFinished(int(restoreMs * lastMoment * k / (kills - 1))))
            ::kill(pid_t(child.processId()), SIGKILL);
        child.waitForFinished(60000);
        const std::optional<QStringList> current = rowsAsProgramSeesThem();
        const std::optional<QStringList> kept = rowsAsProgramSeesThem("transactions.previous.DAT");
        if (!current || !kept || (*current == *kept)) ++broken;
        else if (*current == *before) ++unswapped;
        else if (*current == (*before == *oldRows ? *newRowsSeen : *oldRows)) ++swapped;
        else ++broken;
    }
    std::cout << "restore took " << restoreMs << " ms; kills: " << kills << ", swapped: " << swapped
              << ", not swapped: " << unswapped << ", broken: " << broken << std::endl;
    EXPECT_EQ(broken, 0);
}

} // namespace
