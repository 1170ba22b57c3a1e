#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// Thin RAII wrappers over the SQLite C API. Failures become EngineError texts that name the
// table, as the rest of the program expects from its table engine.
class SqliteConnection {
public:
    SqliteConnection(const QString &path, bool create);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection &) = delete;
    SqliteConnection &operator=(const SqliteConnection &) = delete;

    sqlite3 *handle() const { return db_; }
    const QString &path() const { return path_; }
    void exec(const QString &sql);
    [[noreturn]] void fail(int code, const QString &what = QString()) const;

private:
    sqlite3 *db_ = nullptr;
    QString path_;
};

class SqliteStatement {
public:
    SqliteStatement(SqliteConnection &connection, const QString &sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    void bindNull(int index);
    void bindInt(int index, qint64 value);
    void bindDouble(int index, double value);
    void bindText(int index, const QString &value);
    bool step();  // true while a row is available
    void reset();

    bool isNull(int column) const;
    qint64 columnInt(int column) const;
    double columnDouble(int column) const;
    QString columnText(int column) const;
    QByteArrayView columnBytes(int column) const;  // the text as stored, valid until the next step

private:
    SqliteConnection &connection_;
    sqlite3_stmt *stmt_ = nullptr;
};
