#include "TransactionColumns.h"

#include "Sqlite.h"

#include <algorithm>
#include <array>
#include <utility>
#include <bit>
#include <numeric>

using namespace TransactionSchema;

namespace {

template <typename T> int threeWay(T a, T b) { return a < b ? -1 : (b < a ? 1 : 0); }

// Amounts as unsigned integers in the same order; 0 is left for null.
quint64 amountKey(double amount) {
    if (amount == 0) amount = 0;  // -0 ties with 0
    const auto bits = std::bit_cast<quint64>(amount);
    return std::max<quint64>(1, bits >> 63 ? ~bits : bits | (quint64(1) << 63));
}

// One small key per row, so that sorting touches neither texts nor scattered memory.
struct SortKey {
    quint64 first;
    quint32 date;
    quint32 slot;
};

// Least significant byte first (the date, then the first key), every pass stable, so equal
// keys keep the slot order they start in. A byte that is the same in every key costs no pass.
void radixSort(std::vector<SortKey> &keys) {
    constexpr int bytes = 12;
    auto byteOf = [](const SortKey &key, int b) {
        return unsigned(b < 4 ? key.date >> (8 * b) : key.first >> (8 * (b - 4))) & 0xffu;
    };
    std::vector<std::array<size_t, 256>> counts(bytes);
    for (const SortKey &key : keys)
        for (int b = 0; b < bytes; ++b) ++counts[b][byteOf(key, b)];
    std::vector<SortKey> buffer(keys.size());
    for (int b = 0; b < bytes; ++b) {
        std::array<size_t, 256> &count = counts[b];
        if (std::find(count.begin(), count.end(), keys.size()) != count.end()) continue;
        size_t next = 0;
        for (size_t &c : count) next += std::exchange(c, next);
        for (const SortKey &key : keys) buffer[count[byteOf(key, b)]++] = key;
        keys.swap(buffer);
    }
}

} // namespace

bool TransactionColumns::pooled(int column) {
    return column == Description || column == Type || column == Category || column == AcctName || column == Labels;
}

void TransactionColumns::reserve(size_t rows) {
    rowids_.reserve(rows);
    nulls_.reserve(rows);
    amounts_.reserve(rows);
    dayIds_.reserve(rows);
    for (int c = 0; c < ColumnCount; ++c) {
        if (pooled(c)) textIds_[c].reserve(rows);
        else if (c != Date && c != Amount) arenas_[c].reserve(rows);
    }
}

int TransactionColumns::appendFromQuery(const SqliteStatement &query) {
    const qint64 rowid = query.columnInt(0);
    if (!rowids_.empty() && rowid <= rowids_.back()) rowidsAscending_ = false;
    slotsByRowid_.clear();
    rowids_.push_back(rowid);
    quint16 nulls = 0;
    for (int c = 0; c < ColumnCount; ++c) {
        const bool null = query.isNull(c + 1);
        if (null) nulls |= quint16(1u << c);
        if (c == Date) dayIds_.push_back(days_.idOf(null ? 0.0 : double(query.columnInt(c + 1))));
        else if (c == Amount) amounts_.push_back(null ? 0.0 : query.columnDouble(c + 1));
        else if (pooled(c)) textIds_[c].push_back(null ? 0 : pools_[c].idOf(query.columnBytes(c + 1)));
        else arenas_[c].push(null ? QByteArrayView() : query.columnBytes(c + 1));
    }
    nulls_.push_back(nulls);
    return size() - 1;
}

int TransactionColumns::append(const TransactionRecord &record) {
    if (!rowids_.empty() && record.rowid <= rowids_.back()) rowidsAscending_ = false;
    slotsByRowid_.clear();
    rowids_.push_back(record.rowid);
    nulls_.push_back(0);
    amounts_.push_back(0);
    dayIds_.push_back(0);
    for (int c = 0; c < ColumnCount; ++c) {
        if (pooled(c)) textIds_[c].push_back(0);
        else if (c != Date && c != Amount) arenas_[c].push(QByteArrayView());
    }
    set(size() - 1, record);
    return size() - 1;
}

void TransactionColumns::set(int slot, const TransactionRecord &record) {
    nulls_[slot] = record.nulls;
    amounts_[slot] = record.amount;
    dayIds_[slot] = days_.idOf(record.date);
    for (int c = 0; c < ColumnCount; ++c)
        if (c != Date && c != Amount) setText(slot, c, record.isNull(c) ? QString() : record.text[c]);
}

void TransactionColumns::setText(int slot, int column, const QString &text) {
    if (pooled(column)) textIds_[column][slot] = pools_[column].idOf(text);
    else arenas_[column].set(size_t(slot), text);
}

QString TransactionColumns::text(int slot, int column) const {
    if (isNull(slot, column)) return QString();
    if (pooled(column)) return pools_[column].value(textIds_[column][slot]);
    return arenas_[column].text(size_t(slot));
}

bool TransactionColumns::sameText(int a, int b, int column) const {
    if (!pooled(column)) return text(a, column) == text(b, column);
    const quint32 x = textIds_[column][a], y = textIds_[column][b];
    return x == y || pools_[column].value(x) == pools_[column].value(y);
}

TransactionRecord TransactionColumns::record(int slot) const {
    TransactionRecord record;
    record.rowid = rowids_[slot];
    record.nulls = nulls_[slot];
    record.date = date(slot);
    record.amount = amounts_[slot];
    for (int c = 0; c < ColumnCount; ++c)
        if (c != Date && c != Amount) record.text[c] = text(slot, c);
    return record;
}

int TransactionColumns::slotOfRowid(qint64 rowid) {
    if (rowidsAscending_) {
        auto at = std::lower_bound(rowids_.begin(), rowids_.end(), rowid);
        return at != rowids_.end() && *at == rowid ? int(at - rowids_.begin()) : -1;
    }
    if (slotsByRowid_.empty()) {
        slotsByRowid_.resize(rowids_.size());
        std::iota(slotsByRowid_.begin(), slotsByRowid_.end(), 0);
        std::sort(slotsByRowid_.begin(), slotsByRowid_.end(), [this](int a, int b) { return rowids_[a] < rowids_[b]; });
    }
    auto at = std::lower_bound(slotsByRowid_.begin(), slotsByRowid_.end(), rowid,
                               [this](int slot, qint64 id) { return rowids_[slot] < id; });
    return at != slotsByRowid_.end() && rowids_[*at] == rowid ? *at : -1;
}

int TransactionColumns::compare(int a, int b, int column) const {
    const bool nullA = isNull(a, column), nullB = isNull(b, column);
    if (nullA || nullB) return nullA == nullB ? 0 : (nullA ? -1 : 1);
    switch (column) {
    case Date: return threeWay(date(a), date(b));
    case Amount: return threeWay(amounts_[a], amounts_[b]);
    default:
        if (pooled(column)) {
            const quint32 x = textIds_[column][a], y = textIds_[column][b];
            return x == y ? 0 : compareText(pools_[column].value(x), pools_[column].value(y));
        }
        return compareText(text(a, column), text(b, column));
    }
}

quint32 TransactionColumns::dayKey(int slot, const std::vector<quint32> &dayRanks) const {
    return isNull(slot, Date) ? 0 : dayRanks[dayIds_[slot]] + 1;
}

std::vector<int> TransactionColumns::sorted(const IndexSchema &index) {
    const std::vector<quint32> &dayRanks = days_.ranks();
    const int column = index.columns[0];
    const std::vector<quint32> *ranks = pooled(column) ? &pools_[column].ranks() : nullptr;
    std::vector<SortKey> keys(rowids_.size());
    for (int slot = 0; slot < size(); ++slot) {
        SortKey &key = keys[slot];
        key.slot = quint32(slot);
        key.date = column == Date ? 0 : dayKey(slot, dayRanks);
        if (column == Date) key.first = dayKey(slot, dayRanks);
        else if (isNull(slot, column)) key.first = 0;
        else if (column == Amount) key.first = amountKey(amounts_[slot]);
        else if (ranks) key.first = quint64((*ranks)[textIds_[column][slot]]) + 1;
        else key.first = 0;  // no index is over a long text
    }
    radixSort(keys);
    std::vector<int> order(keys.size());
    for (size_t i = 0; i < keys.size(); ++i) order[i] = int(keys[i].slot);
    return order;
}
