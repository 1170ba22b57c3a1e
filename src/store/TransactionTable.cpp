#include "TransactionTable.h"

#include "EngineError.h"
#include "Sqlite.h"
#include "TableDatabase.h"
#include "TableView.h"

#include <sqlite3.h>

#include <algorithm>

using namespace TransactionSchema;

namespace {

const char *columnList = "Date, Description, OrigDesc, Amount, Type, Category, AcctName, Labels, Notes";

void bindColumn(SqliteStatement &statement, int position, const TransactionRecord &record, int c) {
    if (record.isNull(c)) statement.bindNull(position);
    else if (c == Date) statement.bindInt(position, qint64(record.date));
    else if (c == Amount) statement.bindDouble(position, record.amount);
    else statement.bindText(position, record.text[c]);
}

void bindRecord(SqliteStatement &statement, const TransactionRecord &record) {
    for (int c = 0; c < ColumnCount; ++c) bindColumn(statement, c + 1, record, c);
}

unsigned changedColumns(const TransactionRecord &before, const TransactionRecord &after) {
    unsigned changed = 0;
    for (int c = 0; c < ColumnCount; ++c)
        if (compareColumn(before, after, c) != 0) changed |= 1u << c;
    return changed;
}

} // namespace

TransactionTable::TransactionTable(TableDatabase &database, QString tableName)
    : database_(database), tableName_(std::move(tableName)), index_(&indexes[0]) {
    for (const auto &presentation : TransactionSchema::presentation)
        fields_.push_back(std::make_unique<TableField>(*this, presentation));
    updateIndexDefs();
}

TransactionTable::~TransactionTable() {
    try {
        close();
    } catch (...) {
        // A destructor cannot report; the file keeps what was posted.
    }
}

void TransactionTable::requireActive(const char *operation) const {
    if (!active())
        throw EngineError(QString("Cannot %1 a closed table. Table: %2")
                              .arg(operation, database_.tablePath(tableName_)));
}

void TransactionTable::requireBrowsing(const char *operation) const {
    if (state_ != State::Edit && state_ != State::Insert)
        throw EngineError(QString("Cannot %1: the table is not in edit or insert mode. Table: %2")
                              .arg(operation, database_.tablePath(tableName_)));
}

// --- opening and closing ---------------------------------------------------------------

void TransactionTable::open() { openFilled(nullptr); }

void TransactionTable::openWithRows(TransactionColumns rows) { openFilled(&rows); }

TransactionColumns TransactionTable::closeKeepingRows() {
    postIfPending();
    TransactionColumns rows = std::move(columns_);
    close();
    return rows;
}

// Opens with the given rows, or with the file's rows when there are none.
void TransactionTable::openFilled(TransactionColumns *rows) {
    if (active()) return;
    connection_ = &database_.acquire(tableName_, this);
    try {
        insertStatement_ = std::make_unique<SqliteStatement>(
            *connection_, QString("INSERT INTO transactions (%1) VALUES (?,?,?,?,?,?,?,?,?)").arg(columnList));
        if (rows) {
            clearCache();
            columns_ = std::move(*rows);
            sortAll();
        } else {
            load();
        }
    } catch (...) {
        insertStatement_.reset();
        updateStatements_.clear();
        clearCache();
        connection_ = nullptr;
        database_.release(tableName_, this);
        throw;
    }
    state_ = State::Browse;
    first();
    notifyActive(true);
}

void TransactionTable::close() {
    if (!active()) return;
    postIfPending();
    insertStatement_.reset();
    updateStatements_.clear();
    connection_ = nullptr;
    database_.release(tableName_, this);
    clearCache();
    state_ = State::Inactive;
    notifyActive(false);
}

void TransactionTable::clearCache() {
    columns_ = TransactionColumns{};
    forgetCachedRecords();
    order_.clear();
    orderedSlots_ = 0;
    visible_.clear();
    visibleDirty_ = true;
    positions_.clear();
    positionsDirty_ = true;
    current_ = -1;
    eof_ = bof_ = true;
}

void TransactionTable::load() {
    clearCache();
    // A plain scan reads the file front to back; sorting in memory beats walking the index,
    // whose every entry costs a lookup into the table.
    {
        // Growing the columns as they fill would copy them again and again.
        SqliteStatement count(*connection_, "SELECT count(*) FROM transactions");
        if (count.step()) columns_.reserve(size_t(std::max<qint64>(0, count.columnInt(0))));
    }
    SqliteStatement query(*connection_, QString("SELECT rowid, %1 FROM transactions").arg(columnList));
    while (query.step()) columns_.appendFromQuery(query);
    sortAll();
}

void TransactionTable::reloadAfterRollback() {
    if (!active()) return;
    state_ = State::Browse;
    load();
    first();
}

// --- views ----------------------------------------------------------------------------

void TransactionTable::attachView(TableView *view) {
    if (std::find(views_.begin(), views_.end(), view) == views_.end()) views_.push_back(view);
}

void TransactionTable::detachView(TableView *view) {
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}

void TransactionTable::disableControls() {
    if (disableCount_++ == 0) notifySuspended(true);
}

void TransactionTable::enableControls() {
    if (disableCount_ == 0) return;
    if (--disableCount_ > 0) return;
    notifySuspended(false);
    notifyData();
}

void TransactionTable::notifySuspended(bool suspended) {
    const auto views = views_;
    for (TableView *view : views) view->tableUpdatesSuspended(*this, suspended);
}

void TransactionTable::notifyData() {
    if (disableCount_ > 0) return;
    const auto views = views_;
    for (TableView *view : views) view->tableDataChanged(*this);
}

void TransactionTable::notifyActive(bool active) {
    const auto views = views_;
    for (TableView *view : views) view->tableActiveChanged(*this, active);
}

// --- order and filter -----------------------------------------------------------------

bool TransactionTable::lessInIndex(int a, int b) const {
    for (int column : index_->columns) {
        const int c = columns_.compare(a, b, column);
        if (c != 0) return c < 0;
    }
    return false;
}

void TransactionTable::ensureOrdered() {
    const size_t rows = size_t(rowCount());
    if (orderedSlots_ == rows) return;
    // Rows appended since the last look: sort them alone and merge them in.
    const size_t before = order_.size();
    for (size_t slot = orderedSlots_; slot < rows; ++slot) order_.push_back(int(slot));
    auto less = [this](int a, int b) { return lessInIndex(a, b); };
    std::stable_sort(order_.begin() + before, order_.end(), less);
    std::inplace_merge(order_.begin(), order_.begin() + before, order_.end(), less);
    orderedSlots_ = rows;
    visibleDirty_ = positionsDirty_ = true;
}

void TransactionTable::sortAll() {
    order_ = columns_.sorted(*index_);
    orderedSlots_ = size_t(rowCount());
    visibleDirty_ = positionsDirty_ = true;
}

bool TransactionTable::accepts(int slot) {
    struct Restore {
        int &target;
        ~Restore() { target = -1; }
    } restore{evaluating_};
    evaluating_ = slot;
    return predicate_(*this);
}

void TransactionTable::rebuildVisible() {
    // The predicate sees the rows in storage order, where reading the columns runs straight
    // through memory; the accepted rows are then taken in index order.
    std::vector<char> accepted(static_cast<size_t>(rowCount()));
    for (int slot = 0; slot < rowCount(); ++slot) accepted[size_t(slot)] = accepts(slot);
    visible_.clear();
    for (int slot : order_)
        if (accepted[size_t(slot)]) visible_.push_back(slot);
    visibleDirty_ = false;
    positionsDirty_ = true;
}

const std::vector<int> &TransactionTable::sequence() {
    ensureOrdered();
    if (!(filtered_ && predicate_)) return order_;
    if (visibleDirty_) rebuildVisible();
    return visible_;
}

int TransactionTable::positionOf(int slot) {
    const auto &seq = sequence();
    if (positionsDirty_) {
        positions_.assign(size_t(rowCount()), -1);
        for (size_t i = 0; i < seq.size(); ++i) positions_[seq[i]] = int(i);
        positionsDirty_ = false;
    }
    return slot >= 0 && slot < int(positions_.size()) ? positions_[slot] : -1;
}

void TransactionTable::setOnFilterRecord(Predicate predicate) {
    predicate_ = std::move(predicate);
    refilter();
}

void TransactionTable::setFiltered(bool filtered) {
    if (filtered_ == filtered) return;
    filtered_ = filtered;
    refilter();
}

void TransactionTable::refilter() {
    visibleDirty_ = positionsDirty_ = true;
    if (active()) first();
}

// --- navigation -----------------------------------------------------------------------

void TransactionTable::postIfPending() {
    if (state_ == State::Edit || state_ == State::Insert) post();
}

void TransactionTable::moveToPosition(int position) {
    const auto &seq = sequence();
    if (seq.empty()) {
        current_ = -1;
        eof_ = bof_ = true;
    } else {
        current_ = seq[std::clamp(position, 0, int(seq.size()) - 1)];
    }
    notifyData();
}

void TransactionTable::first() {
    requireActive("move in");
    postIfPending();
    moveToPosition(0);
    eof_ = sequence().empty();
    bof_ = true;
}

void TransactionTable::last() {
    requireActive("move in");
    postIfPending();
    const int count = int(sequence().size());
    moveToPosition(count - 1);
    eof_ = true;
    bof_ = count == 0;
}

int TransactionTable::moveBy(int distance) {
    requireActive("move in");
    postIfPending();
    const int count = int(sequence().size());
    if (count == 0) {
        moveToPosition(0);
        return 0;
    }
    int from = positionOf(current_);
    if (from < 0) from = 0;
    const long target = long(from) + distance;
    const int to = int(std::clamp(target, 0L, long(count - 1)));
    moveToPosition(to);
    eof_ = target > count - 1 || (distance == 0 && eof_);
    bof_ = target < 0 || (distance == 0 && bof_);
    if (distance != 0 && target <= count - 1 && target >= 0) eof_ = bof_ = false;
    return to - from;
}

void TransactionTable::next() { moveBy(1); }
void TransactionTable::prior() { moveBy(-1); }

int TransactionTable::recordCount() {
    requireActive("count the records of");
    return int(sequence().size());
}

int TransactionTable::recNo() {
    if (!active() || current_ < 0) return -1;
    return positionOf(current_);
}

void TransactionTable::setRecNo(int row) {
    requireActive("move in");
    postIfPending();
    moveToPosition(row);
    eof_ = bof_ = sequence().empty();
}

int TransactionTable::slotAt(int row) {
    requireActive("read");
    const auto &seq = sequence();
    if (row < 0 || row >= int(seq.size()))
        throw EngineError(QString("Row %1 is out of range. Table: %2").arg(row).arg(database_.tablePath(tableName_)));
    return seq[row];
}

TransactionRow TransactionTable::rowAt(int row) { return TransactionRow(columns_, slotAt(row)); }

const TransactionRecord &TransactionTable::recordAt(int row) { return cachedRecord(slotAt(row)); }

const TransactionRecord &TransactionTable::cachedRecord(int slot) {
    for (const CachedRecord &cached : cachedRecords_)
        if (cached.slot == slot) return cached.record;
    CachedRecord &cached = cachedRecords_[nextCachedRecord_];
    nextCachedRecord_ = (nextCachedRecord_ + 1) % cachedRecords_.size();
    cached.record = columns_.record(slot);
    cached.slot = slot;
    return cached.record;
}

void TransactionTable::forgetCachedRecords() {
    for (CachedRecord &cached : cachedRecords_) cached.slot = -1;
}

// --- bookmarks ------------------------------------------------------------------------

TransactionTable::Bookmark TransactionTable::getBookmark() const {
    return active() && current_ >= 0 ? columns_.rowid(current_) : 0;
}

bool TransactionTable::bookmarkValid(Bookmark bookmark) {
    if (!active()) return false;
    const int slot = columns_.slotOfRowid(bookmark);
    return slot >= 0 && positionOf(slot) >= 0;
}

void TransactionTable::gotoBookmark(Bookmark bookmark) {
    requireActive("move in");
    if (!bookmarkValid(bookmark))
        throw EngineError("Record not found. Table: " + database_.tablePath(tableName_));
    postIfPending();
    current_ = columns_.slotOfRowid(bookmark);
    eof_ = bof_ = false;
    notifyData();
}

int TransactionTable::compareBookmarks(Bookmark a, Bookmark b) {
    if (a == b) return 0;
    if (a == 0) return -1;
    if (b == 0) return 1;
    const int sa = columns_.slotOfRowid(a), sb = columns_.slotOfRowid(b);
    if (sa < 0 || sb < 0) return a < b ? -1 : 1;
    const int pa = positionOf(sa), pb = positionOf(sb);
    return pa < pb ? -1 : (pa > pb ? 1 : 0);
}

// --- fields ---------------------------------------------------------------------------

TableField *TransactionTable::findField(const QString &name) const {
    for (const auto &field : fields_)
        if (field->fieldName().compare(name, Qt::CaseInsensitive) == 0) return field.get();
    return nullptr;
}

TableField &TransactionTable::fieldByName(const QString &name) const {
    if (TableField *field = findField(name)) return *field;
    throw EngineError(QString("Field '%1' not found. Table: %2").arg(name, database_.tablePath(tableName_)));
}

TransactionRow TransactionTable::currentRecord() const {
    if (evaluating_ >= 0) return TransactionRow(columns_, evaluating_);
    if (state_ == State::Edit || state_ == State::Insert) return TransactionRow(pending_);
    if (current_ >= 0 && current_ < rowCount()) return TransactionRow(columns_, current_);
    return TransactionRow();
}

TransactionRecord &TransactionTable::pendingRecord() {
    requireBrowsing("change a field");
    return pending_;
}

QString TransactionTable::displayText(const TransactionRow &row, int column) const {
    if (row.isNull(column)) return QString();
    switch (column) {
    case Date: return formats_.formatShortDate(row.date());
    case Amount: return formats_.formatCurrency(row.amount());
    default: return row.text(column);
    }
}

// --- changes --------------------------------------------------------------------------

void TransactionTable::edit() {
    requireActive("edit");
    if (state_ != State::Browse) return;
    if (current_ < 0) throw EngineError("Cannot edit: the table has no current record. Table: " +
                                        database_.tablePath(tableName_));
    pending_ = columns_.record(current_);
    state_ = State::Edit;
}

void TransactionTable::append() {
    requireActive("append to");
    postIfPending();
    pending_ = TransactionRecord{};
    state_ = State::Insert;
}

void TransactionTable::cancel() {
    if (state_ == State::Edit || state_ == State::Insert) state_ = State::Browse;
}

void TransactionTable::insertRecord(const TransactionRecord &record) {
    insertStatement_->reset();
    bindRecord(*insertStatement_, record);
    insertStatement_->step();
    insertStatement_->reset();
}

// Writes only the columns that changed, so that SQLite touches only the indexes over them
// (negating a debit then updates one index, not seven).
void TransactionTable::updateRecord(const TransactionRecord &record, unsigned changed) {
    std::unique_ptr<SqliteStatement> &statement = updateStatements_[changed];
    if (!statement) {
        const QStringList names = QString(columnList).split(", ");
        QStringList assignments;
        for (int c = 0; c < ColumnCount; ++c)
            if (changed & (1u << c)) assignments << names[c] + "=?";
        statement = std::make_unique<SqliteStatement>(
            *connection_, "UPDATE transactions SET " + assignments.join(", ") + " WHERE rowid=?");
    }
    statement->reset();
    int position = 1;
    for (int c = 0; c < ColumnCount; ++c)
        if (changed & (1u << c)) bindColumn(*statement, position++, record, c);
    statement->bindInt(position, record.rowid);
    statement->step();
    statement->reset();
}

void TransactionTable::post() {
    if (state_ == State::Insert) {
        insertRecord(pending_);
        pending_.rowid = sqlite3_last_insert_rowid(connection_->handle());
        current_ = columns_.append(pending_);
        positionsDirty_ = true;
        state_ = State::Browse;
        eof_ = bof_ = false;
        notifyData();
        return;
    }
    if (state_ != State::Edit) return;
    const TransactionRecord before = columns_.record(current_);
    if (const unsigned changed = changedColumns(before, pending_)) updateRecord(pending_, changed);
    columns_.set(current_, pending_);
    forgetCachedRecords();
    state_ = State::Browse;
    bool keyChanged = false;
    for (int column : index_->columns)
        keyChanged = keyChanged || compareColumn(before, pending_, column) != 0;
    if (keyChanged && size_t(current_) < orderedSlots_) {
        // Move the row to its new place; the rest of the order stays valid.
        order_.erase(std::find(order_.begin(), order_.end(), current_));
        auto at = std::upper_bound(order_.begin(), order_.end(), current_,
                                   [this](int a, int b) { return lessInIndex(a, b); });
        order_.insert(at, current_);
        visibleDirty_ = positionsDirty_ = true;
    } else if (filtered_ && predicate_ && !visibleDirty_ && !accepts(current_)) {
        visibleDirty_ = positionsDirty_ = true;
    }
    notifyData();
}

void TransactionTable::emptyTable() {
    if (active()) {
        postIfPending();
        connection_->exec("DELETE FROM transactions");
        clearCache();
        moveToPosition(0);
        return;
    }
    SqliteConnection &connection = database_.acquire(tableName_, this);
    try {
        connection.exec("DELETE FROM transactions");
    } catch (...) {
        database_.release(tableName_, this);
        throw;
    }
    database_.release(tableName_, this);
}

void TransactionTable::repairTable() {
    if (active())
        throw EngineError("Cannot repair a table that is open. Table: " + database_.tablePath(tableName_));
    database_.repairTable(tableName_);
}

// --- indexes --------------------------------------------------------------------------

void TransactionTable::updateIndexDefs() {
    indexDefs_.clear();
    for (const auto &index : indexes) indexDefs_.append({index.name, keyFieldList(index), {}});
}

void TransactionTable::suspendIndexes() {
    requireActive("suspend the indexes of");
    if (sqlite3_get_autocommit(connection_->handle()))
        throw EngineError("Indexes are dropped only inside a store transaction. Table: " +
                          database_.tablePath(tableName_));
    for (const QString &statement : dropIndexStatements()) connection_->exec(statement);
}

void TransactionTable::restoreIndexes() {
    requireActive("restore the indexes of");
    if (sqlite3_get_autocommit(connection_->handle())) return;
    for (const QString &statement : createIndexStatements()) connection_->exec(statement);
}

QString TransactionTable::indexName() const { return index_->name; }

void TransactionTable::setIndexName(const QString &name) {
    const IndexSchema *index = indexNamed(name.isEmpty() ? QString("DateIndex") : name);
    if (!index)
        throw EngineError(QString("Index '%1' does not exist. Table: %2").arg(name, database_.tablePath(tableName_)));
    if (index == index_) return;
    index_ = index;
    if (!active()) return;
    postIfPending();
    sortAll();
    first();
}
