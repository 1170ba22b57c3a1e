#pragma once
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

class SqliteConnection;
class TransactionTable;

// A named database: a directory of table files. It owns the SQLite connection of each table
// while a table object has it open or a store transaction is pending, so that a transaction
// outlives the closing and reopening of table objects (the import does both).
class TableDatabase {
public:
    explicit TableDatabase(QString databaseName = "ReportKelvDB");
    ~TableDatabase();

    const QString &databaseName() const { return name_; }
    QString directory() const { return directory_; }
    void setDirectory(const QString &directory) { directory_ = directory; }
    QString tablePath(const QString &tableName) const;

    // Passwords are registered once per process, before any table is opened.
    static void addPassword(const QString &password);
    static void removeAllPasswords();

    // Creates an empty table file; an existing file is left alone.
    void createTable(const QString &tableName);
    // Checks the file, rebuilds its indexes and, when damaged, copies every readable row into
    // a fresh file that replaces it. A missing file is created empty. Refused while a table
    // object holds the table open.
    void repairTable(const QString &tableName);
    // Opens the table file as an open would (it exists, is a transaction table made with a
    // registered password and reads without damage) and closes it again; raises the engine's
    // error otherwise.
    void checkTable(const QString &tableName);

    // One store transaction per table: every change made by any table object on it between
    // start and commit lands together, or not at all after rollback. A failed commit leaves the
    // transaction to be rolled back. Rollback always ends the transaction and makes open table
    // objects read the file again, also when SQLite has already undone it; it throws only what
    // failed on the way, after finishing.
    void startTransaction(const QString &tableName);
    void commit(const QString &tableName);
    void rollback(const QString &tableName);
    bool inTransaction(const QString &tableName) const;

    // For table objects: the open connection of a table, opened on first use.
    SqliteConnection &acquire(const QString &tableName, TransactionTable *user);
    void release(const QString &tableName, TransactionTable *user);
    bool isHeld(const QString &tableName) const;

private:
    struct Entry {
        std::unique_ptr<SqliteConnection> connection;
        std::vector<TransactionTable *> users;
        bool inTransaction = false;
    };
    Entry &entryFor(const QString &tableName);
    void dropIfUnused(const QString &tableName);
    std::unique_ptr<SqliteConnection> openChecked(const QString &path);

    QString name_;
    QString directory_;
    std::map<QString, Entry> entries_;
};
