#include "TableDatabase.h"

#include "EngineError.h"
#include "FirstFailure.h"
#include "Sqlite.h"
#include "TransactionSchema.h"
#include "TransactionTable.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>

namespace {

// Page cache sizes in KiB (negative, as SQLite takes them): its default, and the room an
// import in one transaction needs.
constexpr int defaultCacheKiB = -2000;
constexpr int transactionCacheKiB = -65536;

QStringList &registeredPasswords() {
    static QStringList passwords;
    return passwords;
}

QString tableText(const QString &path) { return QString(" Table: %1").arg(path); }

QString passwordHash(const QString &password, const QByteArray &salt) {
    return QString::fromLatin1(
        QMessageAuthenticationCode::hash(salt, password.toUtf8(), QCryptographicHash::Sha256).toHex());
}

// Opens a table file and takes the exclusive lock that keeps every other process out for as
// long as the connection lives.
std::unique_ptr<SqliteConnection> openLocked(const QString &path) {
    auto connection = std::make_unique<SqliteConnection>(path, false);
    sqlite3_busy_timeout(connection->handle(), 0);
    connection->exec("PRAGMA locking_mode=EXCLUSIVE");
    const int rc = sqlite3_exec(connection->handle(), "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    if ((rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED)
        throw TableLockedError("Table is locked by another program." + tableText(path));
    if (rc != SQLITE_OK) connection->fail(rc);
    connection->exec("COMMIT");
    connection->exec("PRAGMA synchronous=FULL");
    return connection;
}

bool hasSchema(SqliteConnection &connection) {
    SqliteStatement query(connection, "SELECT count(*) FROM sqlite_master WHERE type='table' AND "
                                      "name IN ('transactions','spendrake_meta')");
    return query.step() && query.columnInt(0) == 2;
}

QString metaValue(SqliteConnection &connection, const QString &key) {
    SqliteStatement query(connection, "SELECT value FROM spendrake_meta WHERE key=?");
    query.bindText(1, key);
    return query.step() ? query.columnText(0) : QString();
}

void checkPassword(SqliteConnection &connection) {
    const QByteArray salt = metaValue(connection, "salt").toLatin1();
    const QString stored = metaValue(connection, "password");
    const auto &passwords = registeredPasswords();
    const bool fits = std::any_of(passwords.begin(), passwords.end(),
                                  [&](const QString &p) { return passwordHash(p, salt) == stored; });
    if (stored.isEmpty() || !fits) throw EngineError("Invalid password." + tableText(connection.path()));
}

void writeSchema(SqliteConnection &connection) {
    if (registeredPasswords().isEmpty())
        throw EngineError("No table password has been registered." + tableText(connection.path()));
    const QByteArray salt = QByteArray::number(QRandomGenerator::system()->generate64(), 16);
    connection.exec("BEGIN");
    for (const QString &statement : TransactionSchema::createStatements()) connection.exec(statement);
    SqliteStatement insert(connection, "INSERT INTO spendrake_meta (key, value) VALUES (?, ?)");
    insert.bindText(1, "salt");
    insert.bindText(2, QString::fromLatin1(salt));
    insert.step();
    insert.reset();
    insert.bindText(1, "password");
    insert.bindText(2, passwordHash(registeredPasswords().first(), salt));
    insert.step();
    connection.exec("COMMIT");
}

bool integrityOk(SqliteConnection &connection) {
    try {
        if (!hasSchema(connection)) return false;
        SqliteStatement check(connection, "PRAGMA integrity_check");
        return check.step() && check.columnText(0) == "ok" && !check.step();
    } catch (const EngineError &) {
        return false;
    }
}

const char *columnList = "Date, Description, OrigDesc, Amount, Type, Category, AcctName, Labels, Notes";

// Copies every row that can still be read, walking by rowid and stepping over what fails.
void copyReadableRows(SqliteConnection &from, SqliteConnection &to) {
    qint64 maxRowid = 0;
    try {
        SqliteStatement max(from, "SELECT max(rowid) FROM transactions");
        if (max.step()) maxRowid = max.columnInt(0);
    } catch (const EngineError &) {
        maxRowid = 1'000'000;
    }
    SqliteStatement insert(to, QString("INSERT INTO transactions (%1) VALUES (?,?,?,?,?,?,?,?,?)").arg(columnList));
    qint64 last = 0;
    while (last < maxRowid) {
        try {
            SqliteStatement read(from, QString("SELECT rowid, %1 FROM transactions WHERE rowid > ? ORDER BY rowid")
                                           .arg(columnList));
            read.bindInt(1, last);
            while (read.step()) {
                last = read.columnInt(0);
                for (int c = 0; c < TransactionSchema::ColumnCount; ++c) {
                    if (read.isNull(c + 1)) insert.bindNull(c + 1);
                    else if (c == TransactionSchema::Date) insert.bindInt(c + 1, read.columnInt(c + 1));
                    else if (c == TransactionSchema::Amount) insert.bindDouble(c + 1, read.columnDouble(c + 1));
                    else insert.bindText(c + 1, read.columnText(c + 1));
                }
                insert.step();
                insert.reset();
            }
            return;
        } catch (const EngineError &) {
            ++last;  // step over the unreadable stretch
        }
    }
}

} // namespace

TableDatabase::TableDatabase(QString databaseName) : name_(std::move(databaseName)) {}

TableDatabase::~TableDatabase() = default;

QString TableDatabase::tablePath(const QString &tableName) const {
    return QDir(directory_.isEmpty() ? QString(".") : directory_).filePath(tableName);
}

void TableDatabase::addPassword(const QString &password) {
    if (!registeredPasswords().contains(password)) registeredPasswords().append(password);
}

void TableDatabase::removeAllPasswords() { registeredPasswords().clear(); }

void TableDatabase::createTable(const QString &tableName) {
    const QString path = tablePath(tableName);
    if (QFileInfo::exists(path)) return;
    const QString temporary = path + ".new";
    QFile::remove(temporary);
    {
        SqliteConnection connection(temporary, true);
        writeSchema(connection);
    }
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0)
        throw EngineError("Cannot create the table file." + tableText(path));
}

void TableDatabase::repairTable(const QString &tableName) {
    const QString path = tablePath(tableName);
    if (isHeld(tableName)) throw EngineError("Cannot repair a table that is open." + tableText(path));
    if (!QFileInfo::exists(path)) {
        createTable(tableName);
        return;
    }
    std::unique_ptr<SqliteConnection> damaged;
    try {
        damaged = openLocked(path);
    } catch (const TableLockedError &) {
        throw;
    } catch (const EngineError &) {
        // Unreadable even as a database: nothing in it can be saved.
    }
    if (damaged && integrityOk(*damaged)) {
        checkPassword(*damaged);
        damaged->exec("REINDEX");
        return;
    }
    if (damaged) {
        try {
            checkPassword(*damaged);
        } catch (const EngineError &error) {
            // A readable password that does not fit means the file is someone else's.
            if (error.text().startsWith("Invalid password") && !metaValue(*damaged, "password").isEmpty()) throw;
        }
    }
    const QString temporary = path + ".repair";
    QFile::remove(temporary);
    {
        SqliteConnection fresh(temporary, true);
        writeSchema(fresh);
        fresh.exec("BEGIN");
        if (damaged) copyReadableRows(*damaged, fresh);
        fresh.exec("COMMIT");
    }
    damaged.reset();
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0)
        throw EngineError("Cannot replace the damaged table file." + tableText(path));
    QFile::remove(path + "-journal");
}

void TableDatabase::checkTable(const QString &tableName) {
    const QString path = tablePath(tableName);
    if (isHeld(tableName)) throw EngineError("Table is open in another table object." + tableText(path));
    const auto connection = openChecked(path);
    SqliteStatement check(*connection, "PRAGMA quick_check");
    if (!check.step() || check.columnText(0) != "ok")
        throw EngineError("Table is damaged or not a transaction table." + tableText(path));
}

std::unique_ptr<SqliteConnection> TableDatabase::openChecked(const QString &path) {
    if (!QFileInfo::exists(path)) throw EngineError("Table does not exist." + tableText(path));
    auto connection = openLocked(path);
    bool schema = false;
    try {
        schema = hasSchema(*connection);
    } catch (const TableLockedError &) {
        throw;
    }
    if (!schema) throw EngineError("Table is damaged or not a transaction table." + tableText(path));
    checkPassword(*connection);
    return connection;
}

TableDatabase::Entry &TableDatabase::entryFor(const QString &tableName) {
    Entry &entry = entries_[tableName];
    if (!entry.connection) {
        try {
            entry.connection = openChecked(tablePath(tableName));
        } catch (...) {
            entries_.erase(tableName);
            throw;
        }
    }
    return entry;
}

void TableDatabase::dropIfUnused(const QString &tableName) {
    auto it = entries_.find(tableName);
    if (it != entries_.end() && it->second.users.empty() && !it->second.inTransaction) entries_.erase(it);
}

SqliteConnection &TableDatabase::acquire(const QString &tableName, TransactionTable *user) {
    Entry &entry = entryFor(tableName);
    if (!entry.users.empty())
        throw EngineError("Table is open in another table object." + tableText(tablePath(tableName)));
    entry.users.push_back(user);
    return *entry.connection;
}

void TableDatabase::release(const QString &tableName, TransactionTable *user) {
    auto it = entries_.find(tableName);
    if (it == entries_.end()) return;
    auto &users = it->second.users;
    users.erase(std::remove(users.begin(), users.end(), user), users.end());
    dropIfUnused(tableName);
}

bool TableDatabase::isHeld(const QString &tableName) const {
    auto it = entries_.find(tableName);
    return it != entries_.end() && (!it->second.users.empty() || it->second.inTransaction);
}

void TableDatabase::startTransaction(const QString &tableName) {
    Entry &entry = entryFor(tableName);
    if (entry.inTransaction)
        throw EngineError("A transaction is already active." + tableText(tablePath(tableName)));
    // Room for a whole large import in one transaction; without it the pages spill to disk.
    // Only meanwhile: a big cache makes reading the whole table at open several times slower.
    entry.connection->exec("PRAGMA cache_size=" + QString::number(transactionCacheKiB));
    try {
        entry.connection->exec("BEGIN IMMEDIATE");
    } catch (...) {
        try {
            entry.connection->exec("PRAGMA cache_size=" + QString::number(defaultCacheKiB));
        } catch (...) {
            // The failure to begin is the one to report.
        }
        dropIfUnused(tableName);
        throw;
    }
    entry.inTransaction = true;
}

void TableDatabase::commit(const QString &tableName) {
    auto it = entries_.find(tableName);
    if (it == entries_.end() || !it->second.inTransaction)
        throw EngineError("No transaction is active." + tableText(tablePath(tableName)));
    it->second.connection->exec("COMMIT");
    it->second.connection->exec("PRAGMA cache_size=" + QString::number(defaultCacheKiB));
    it->second.inTransaction = false;
    dropIfUnused(tableName);
}

void TableDatabase::rollback(const QString &tableName) {
    auto it = entries_.find(tableName);
    if (it == entries_.end() || !it->second.inTransaction) return;
    Entry &entry = it->second;
    entry.inTransaction = false;
    const auto users = entry.users;
    FirstFailure steps;
    // After some failures (a full disk, an I/O error) SQLite has already rolled back by itself;
    // a second rollback would only fail.
    if (!sqlite3_get_autocommit(entry.connection->handle()))
        steps.attempt([&] { entry.connection->exec("ROLLBACK"); });
    steps.attempt([&] { entry.connection->exec("PRAGMA cache_size=" + QString::number(defaultCacheKiB)); });
    dropIfUnused(tableName);
    // An open table object holds rows that no longer exist: let it read the file again.
    for (TransactionTable *user : users) steps.attempt([user] { user->reloadAfterRollback(); });
    steps.rethrow();
}

bool TableDatabase::inTransaction(const QString &tableName) const {
    auto it = entries_.find(tableName);
    return it != entries_.end() && it->second.inTransaction;
}
