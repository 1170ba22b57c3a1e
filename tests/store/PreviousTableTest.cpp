// The kept previous table: a restore swaps it with the table, and refuses, changing nothing,
// when the kept copy is missing, damaged or made with another password; the maintenance
// commands never touch it.
#include "EngineError.h"
#include "PreviousTable.h"
#include "TableFixture.h"

#include <QFile>
#include <functional>

namespace {

class PreviousTableTest : public TableFixture {
protected:
    QString path(const QString &name) const { return folder.filePath(name); }

    QStringList rows() {
        TransactionTable table(database);
        table.open();
        return walk(table);
    }

    // The table holds `now`; the kept copy beside it holds `before`.
    void keep(std::initializer_list<Row> before, std::initializer_list<Row> now) {
        {
            TransactionTable table(database);
            table.open();
            fill(table, before);
        }
        ASSERT_TRUE(QFile::copy(path("transactions.DAT"), path("transactions.previous.DAT")));
        QFile::remove(path("transactions.DAT"));
        database.createTable("transactions.DAT");
        TransactionTable table(database);
        table.open();
        fill(table, now);
    }

    QByteArray bytes(const QString &name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(PreviousTableTest, RestoreSwapsAndASecondRestoreTakesItBack) {
    keep({{45000, "old", 1}}, {{45001, "new", 2}});
    PreviousTable::restore(database, "transactions.DAT");
    EXPECT_EQ(rows(), QStringList{"old"});
    PreviousTable::restore(database, "transactions.DAT");
    EXPECT_EQ(rows(), QStringList{"new"});
}

TEST_F(PreviousTableTest, AnUnusableKeptCopyIsRefusedAndNothingChanges) {
    const struct {
        const char *name;
        std::function<void()> spoil;
    } cases[] = {
        {"missing", [this] { QFile::remove(path("transactions.previous.DAT")); }},
        {"damaged",
         [this] {
             QFile file(path("transactions.previous.DAT"));
             ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
             file.write(QByteArray(8192, '\x5a'));
         }},
        {"another password",
         [this] {
             QFile::remove(path("transactions.previous.DAT"));
             TableDatabase::removeAllPasswords();
             TableDatabase::addPassword("00000000");
             database.createTable("transactions.previous.DAT");
             TableDatabase::removeAllPasswords();
             TableDatabase::addPassword(TablePassword);
         }},
    };
    for (const auto &c : cases) {
        QFile::remove(path("transactions.DAT"));
        QFile::remove(path("transactions.previous.DAT"));
        database.createTable("transactions.DAT");
        keep({{45000, "old", 1}}, {{45001, "new", 2}});
        c.spoil();
        const QByteArray kept = bytes("transactions.previous.DAT");
        EXPECT_THROW(PreviousTable::restore(database, "transactions.DAT"), EngineError) << c.name;
        EXPECT_EQ(rows(), QStringList{"new"}) << c.name;
        EXPECT_EQ(bytes("transactions.previous.DAT"), kept) << c.name;
    }
}

TEST_F(PreviousTableTest, EmptyAndRepairLeaveTheKeptCopyAlone) {
    keep({{45000, "old", 1}}, {{45001, "new", 2}});
    const QByteArray kept = bytes("transactions.previous.DAT");
    {
        TransactionTable table(database);
        table.emptyTable();
        table.repairTable();
    }
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(bytes("transactions.previous.DAT"), kept);
    PreviousTable::restore(database, "transactions.DAT");
    EXPECT_EQ(rows(), QStringList{"old"});
}

} // namespace
