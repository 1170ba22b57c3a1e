#include "Sqlite.h"

#include "EngineError.h"

#include <sqlite3.h>

namespace {

QString describe(int code, const QString &path, const QString &detail) {
    const QString table = QString(" Table: %1").arg(path);
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "Table is locked by another program." + table;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return "Table is damaged (" + detail + ")." + table;
    case SQLITE_CANTOPEN:
        return "Table cannot be opened (" + detail + ")." + table;
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return "Table is read-only." + table;
    case SQLITE_FULL:
        return "Disk full (" + detail + ")." + table;
    default:
        return "Table engine error (" + detail + ")." + table;
    }
}

} // namespace

SqliteConnection::SqliteConnection(const QString &path, bool create) : path_(path) {
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString detail = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString("out of memory");
        sqlite3_close(db_);
        db_ = nullptr;
        throw EngineError(describe(rc, path, detail));
    }
    sqlite3_extended_result_codes(db_, 0);
}

SqliteConnection::~SqliteConnection() { sqlite3_close_v2(db_); }

void SqliteConnection::exec(const QString &sql) {
    char *message = nullptr;
    const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        const QString detail = message ? QString::fromUtf8(message) : QString::number(rc);
        sqlite3_free(message);
        throw EngineError(describe(rc, path_, detail));
    }
}

void SqliteConnection::fail(int code, const QString &what) const {
    throw EngineError(describe(code, path_, what.isEmpty() ? QString::fromUtf8(sqlite3_errmsg(db_)) : what));
}

SqliteStatement::SqliteStatement(SqliteConnection &connection, const QString &sql) : connection_(connection) {
    const QByteArray text = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(connection.handle(), text.constData(), int(text.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK) connection.fail(rc);
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(stmt_); }

void SqliteStatement::bindNull(int index) { sqlite3_bind_null(stmt_, index); }
void SqliteStatement::bindInt(int index, qint64 value) { sqlite3_bind_int64(stmt_, index, value); }
void SqliteStatement::bindDouble(int index, double value) { sqlite3_bind_double(stmt_, index, value); }
void SqliteStatement::bindText(int index, const QString &value) {
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

bool SqliteStatement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    sqlite3_reset(stmt_);
    connection_.fail(rc);
}

void SqliteStatement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

bool SqliteStatement::isNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
qint64 SqliteStatement::columnInt(int column) const { return sqlite3_column_int64(stmt_, column); }
double SqliteStatement::columnDouble(int column) const { return sqlite3_column_double(stmt_, column); }
QString SqliteStatement::columnText(int column) const { return QString::fromUtf8(columnBytes(column)); }

QByteArrayView SqliteStatement::columnBytes(int column) const {
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt_, column));
    return QByteArrayView(text, sqlite3_column_bytes(stmt_, column));
}
