#pragma once
#include "LocaleFormats.h"
#include "TableField.h"
#include "TransactionColumns.h"
#include "TransactionRecord.h"
#include "TransactionRow.h"
#include "TransactionSchema.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class SqliteConnection;
class SqliteStatement;
class TableDatabase;
class TableView;

struct IndexDefinition {
    QString name;
    QString fields;  // key fields joined by ";"
    QStringList options;  // none of "descending", "case-insensitive" are set
};

// The transaction table as a cursor: the rows the filter accepts, in the order of the current
// index. The whole table is held in memory once opened, compactly by column, so that walking
// it, filtering it and reaching a row by its position cost no queries; the order and the
// visible rows are arrays of slots. Every change is written through to the file.
class TransactionTable {
public:
    enum class State { Inactive, Browse, Edit, Insert };
    using Bookmark = qint64;  // 0 is no bookmark
    using Predicate = std::function<bool(TransactionTable &)>;

    TransactionTable(TableDatabase &database, QString tableName = "transactions.DAT");
    ~TransactionTable();
    TransactionTable(const TransactionTable &) = delete;
    TransactionTable &operator=(const TransactionTable &) = delete;

    TableDatabase &database() const { return database_; }
    const QString &tableName() const { return tableName_; }
    void setLocaleFormats(const LocaleFormats &formats) { formats_ = formats; }
    const LocaleFormats &localeFormats() const { return formats_; }

    // Opening and closing; both are no-ops when already done.
    void open();
    void close();
    // For a table object taking over from another of the same table, which has just written
    // every row it holds: the rows leave with the closing one, and the opening one starts
    // from them instead of reading the whole file again.
    TransactionColumns closeKeepingRows();
    void openWithRows(TransactionColumns rows);
    bool active() const { return state_ != State::Inactive; }
    void setActive(bool active) { active ? open() : close(); }
    State state() const { return state_; }

    // Views hear about opening, closing and, unless suspended, changed rows.
    void attachView(TableView *view);
    void detachView(TableView *view);
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return disableCount_ > 0; }

    // Navigation over the visible rows.
    void first();
    void last();
    void next();
    void prior();
    int moveBy(int distance);  // returns how far it actually moved
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    int recordCount();
    bool isEmpty() { return recordCount() == 0; }
    // Row position in the current order, 0-based; -1 without a current record.
    int recNo();
    void setRecNo(int row);
    // The row at a position in the current order, read in place.
    TransactionRow rowAt(int row);
    // The same row as a whole record; the reference stays good for a few more calls.
    const TransactionRecord &recordAt(int row);

    Bookmark getBookmark() const;
    bool bookmarkValid(Bookmark bookmark);
    void gotoBookmark(Bookmark bookmark);
    int compareBookmarks(Bookmark a, Bookmark b);
    void freeBookmark(Bookmark) {}

    // Fields, in the order the grid, the index selector and the report see them.
    int fieldCount() const { return int(fields_.size()); }
    TableField &field(int index) const { return *fields_[index]; }
    TableField *findField(const QString &name) const;
    TableField &fieldByName(const QString &name) const;

    // Changing rows.
    void edit();
    void append();
    void post();
    void cancel();
    void emptyTable();
    void repairTable();

    // Indexes.
    QList<IndexDefinition> indexDefs() const { return indexDefs_; }
    void updateIndexDefs();
    QString indexName() const;
    void setIndexName(const QString &name);
    // For a bulk load into an empty table: the file's indexes are dropped, the rows go in
    // without maintaining them, and restoreIndexes builds each once from the finished rows.
    // Only inside a store transaction, so that no committed file ever lacks them; when that
    // transaction has already ended (SQLite undoes it by itself after a full disk), the drop
    // went with it and restoring has nothing to do.
    void suspendIndexes();
    void restoreIndexes();

    // Filtering: while filtered is on, only rows the predicate accepts are visible.
    void setOnFilterRecord(Predicate predicate);
    void setFiltered(bool filtered);
    bool filtered() const { return filtered_; }
    // Evaluates the predicate again for every row (after the criteria behind it changed).
    void refilter();

    // Called by the database when a store transaction was rolled back.
    void reloadAfterRollback();

    // For the field objects and the predicate: the row their reads go to (the record being
    // edited, the row the predicate looks at, else the current row), and the record writes go to.
    TransactionRow currentRecord() const;
    TransactionRecord &pendingRecord();
    QString displayText(const TransactionRow &row, int column) const;

private:
    const std::vector<int> &sequence();
    void ensureOrdered();
    void sortAll();
    void rebuildVisible();
    int positionOf(int slot);
    bool accepts(int slot);
    void openFilled(TransactionColumns *rows);
    void load();
    void moveToPosition(int position);
    void postIfPending();
    void requireActive(const char *operation) const;
    void requireBrowsing(const char *operation) const;
    void notifyData();
    void notifyActive(bool active);
    void notifySuspended(bool suspended);
    bool lessInIndex(int a, int b) const;
    void insertRecord(const TransactionRecord &record);
    void updateRecord(const TransactionRecord &record, unsigned changedColumns);
    void clearCache();
    int rowCount() const { return columns_.size(); }
    int slotAt(int row);
    const TransactionRecord &cachedRecord(int slot);
    void forgetCachedRecords();

    TableDatabase &database_;
    QString tableName_;
    LocaleFormats formats_;
    std::vector<std::unique_ptr<TableField>> fields_;
    QList<IndexDefinition> indexDefs_;
    const IndexSchema *index_;
    std::vector<TableView *> views_;
    SqliteConnection *connection_ = nullptr;
    std::unique_ptr<SqliteStatement> insertStatement_;
    std::map<unsigned, std::unique_ptr<SqliteStatement>> updateStatements_;  // by changed columns

    State state_ = State::Inactive;
    TransactionColumns columns_;            // storage slots
    std::vector<int> order_;                // slots in index order
    size_t orderedSlots_ = 0;               // slots [0, orderedSlots_) are in order_
    std::vector<int> visible_;              // slots the filter accepts, in order
    bool visibleDirty_ = true;
    std::vector<int> positions_;            // slot -> position in the sequence, -1 if hidden
    bool positionsDirty_ = true;
    int current_ = -1;                      // current slot
    int evaluating_ = -1;                   // slot the predicate is looking at
    TransactionRecord pending_;
    // Whole records handed out by recordAt; callers may hold two at once (comparing rows).
    struct CachedRecord {
        int slot = -1;
        TransactionRecord record;
    };
    std::array<CachedRecord, 4> cachedRecords_;
    size_t nextCachedRecord_ = 0;
    bool eof_ = true;
    bool bof_ = true;
    int disableCount_ = 0;
    bool filtered_ = false;
    Predicate predicate_;
};
