#include "EngineError.h"
#include "TableFixture.h"

#include <QFile>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString openError(TableDatabase &database) {
    TransactionTable table(database);
    try {
        table.open();
    } catch (const EngineError &error) {
        return error.text();
    }
    return QString();
}

// Overwrites a stretch of the file, as a crash of the disk might.
void damage(const QString &path, qint64 offset, int length) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(offset);
    file.write(QByteArray(length, char(0xA5)));
}

} // namespace

TEST_F(TableFixture, OpenErrorsNameTheProblemAndTheTable) {
    QFile::remove(path());
    EXPECT_TRUE(openError(database).startsWith("Table does not exist."));
    EXPECT_TRUE(openError(database).endsWith(path()));

    database.createTable("transactions.DAT");
    TableDatabase::removeAllPasswords();
    TableDatabase::addPassword("00000000");
    EXPECT_TRUE(openError(database).startsWith("Invalid password."));
    TableDatabase::removeAllPasswords();
    TableDatabase::addPassword(TablePassword);
    EXPECT_EQ(openError(database), QString());

    damage(path(), 0, 100);
    EXPECT_TRUE(openError(database).startsWith("Table is damaged")) << openError(database).toStdString();
}

TEST_F(TableFixture, AnotherProcessIsRefusedWhileTheTableIsOpen) {
    TransactionTable table(database);
    table.open();
    const QByteArray file = path().toUtf8();
    const pid_t child = fork();
    if (child == 0) {
        // Anything at all: even a plain read must be locked out.
        sqlite3 *db = nullptr;
        sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        const int rc = sqlite3_exec(db, "SELECT count(*) FROM transactions", nullptr, nullptr, nullptr);
        _exit(rc == SQLITE_BUSY ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    table.close();
}

TEST_F(TableFixture, RepairIsRefusedOnAnOpenTableAndRecreatesAMissingOne) {
    TransactionTable table(database);
    table.open();
    fill(table, {{1, "a", 1}});
    EXPECT_THROW(table.repairTable(), EngineError);
    EXPECT_EQ(table.recordCount(), 1);
    table.close();

    QFile::remove(path());
    table.repairTable();
    table.open();
    EXPECT_EQ(table.recordCount(), 0);
}

TEST_F(TableFixture, RepairKeepsEveryReadableRowOfADamagedFile) {
    constexpr int rows = 3000;
    {
        TransactionTable table(database);
        table.open();
        database.startTransaction("transactions.DAT");
        for (int i = 0; i < rows; ++i) {
            table.append();
            table.fieldByName("Date").setAsFloat(40000 + i);
            table.fieldByName("Description").setAsString(QString("row %1").arg(i));
            table.fieldByName("Amount").setAsFloat(i);
            table.post();
        }
        database.commit("transactions.DAT");
    }
    // Damage pages in the middle of the file: some rows and index entries are lost.
    const qint64 size = QFileInfo(path()).size();
    damage(path(), size / 2, 4096);
    TransactionTable table(database);
    table.repairTable();
    table.open();
    const int kept = table.recordCount();
    EXPECT_GT(kept, rows / 2);
    EXPECT_LE(kept, rows);
    // What was kept is intact.
    for (table.first(); !table.eof(); table.next()) {
        const int n = int(table.fieldByName("Amount").asFloat());
        ASSERT_EQ(table.fieldByName("Description").asString(), QString("row %1").arg(n));
        ASSERT_EQ(table.fieldByName("Date").asFloat(), 40000 + n);
    }
    table.close();

    damage(path(), 0, 100);  // the header itself: nothing can be read
    table.repairTable();
    table.open();
    EXPECT_EQ(table.recordCount(), 0);
}
