#pragma once
#include "DayPool.h"
#include "TextArena.h"
#include "TextPool.h"
#include "TransactionRecord.h"
#include "TransactionSchema.h"

#include <array>
#include <vector>

class SqliteStatement;

// The rows of the table in memory, laid out by column: per row the rowid, the amount, null
// flags and small ids into per-column pools of distinct days and texts; the long texts in
// arenas. A row is addressed by its slot, its place in the order it was loaded or added.
class TransactionColumns {
public:
    int size() const { return int(rowids_.size()); }
    void reserve(size_t rows);
    // Adds the row the query stands on (rowid, then the columns in storage order).
    int appendFromQuery(const SqliteStatement &query);
    int append(const TransactionRecord &record);  // returns the new slot
    void set(int slot, const TransactionRecord &record);

    qint64 rowid(int slot) const { return rowids_[slot]; }
    bool isNull(int slot, int column) const { return nulls_[slot] & (1u << column); }
    double date(int slot) const { return days_.value(dayIds_[slot]); }
    double amount(int slot) const { return amounts_[slot]; }
    QString text(int slot, int column) const;
    bool sameText(int a, int b, int column) const;  // of two non-null texts
    TransactionRecord record(int slot) const;

    // The slot of a rowid, -1 when there is none.
    int slotOfRowid(qint64 rowid);
    // Index order of one column between two rows: nulls first, text by character code.
    int compare(int a, int b, int column) const;
    // Every slot in the order of the index; equal keys keep slot order.
    std::vector<int> sorted(const IndexSchema &index);

private:
    static bool pooled(int column);
    void setText(int slot, int column, const QString &text);
    quint32 dayKey(int slot, const std::vector<quint32> &dayRanks) const;

    std::vector<qint64> rowids_;
    std::vector<quint16> nulls_;
    std::vector<double> amounts_;
    std::vector<quint32> dayIds_;
    DayPool days_;
    std::array<std::vector<quint32>, TransactionSchema::ColumnCount> textIds_;  // pooled columns
    std::array<TextPool, TransactionSchema::ColumnCount> pools_;
    std::array<TextArena, TransactionSchema::ColumnCount> arenas_;  // long-text columns
    bool rowidsAscending_ = true;  // rows come in rowid order and new rowids are larger
    std::vector<int> slotsByRowid_;  // otherwise
};
