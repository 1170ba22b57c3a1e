#pragma once
#include "TransactionColumns.h"
#include "TransactionRecord.h"

// One row read in place, either from the table's columns or from a record being edited.
// Cheap to make; valid until the table changes.
class TransactionRow {
public:
    TransactionRow() = default;  // no row
    explicit TransactionRow(const TransactionRecord &record) : record_(&record) {}
    TransactionRow(const TransactionColumns &columns, int slot) : columns_(&columns), slot_(slot) {}

    explicit operator bool() const { return record_ || columns_; }
    bool isNull(int column) const { return record_ ? record_->isNull(column) : columns_->isNull(slot_, column); }
    double date() const { return record_ ? record_->date : columns_->date(slot_); }
    double amount() const { return record_ ? record_->amount : columns_->amount(slot_); }
    // The text of a text column; empty when null.
    QString text(int column) const {
        if (record_) return record_->isNull(column) ? QString() : record_->text[column];
        return columns_->text(slot_, column);
    }

    // Both null, or equal values (as the report's group breaks compare them).
    bool sameValue(const TransactionRow &other, int column) const {
        const bool null = isNull(column), otherNull = other.isNull(column);
        if (null || otherNull) return null == otherNull;
        if (column == TransactionSchema::Date) return date() == other.date();
        if (column == TransactionSchema::Amount) return amount() == other.amount();
        if (columns_ && columns_ == other.columns_) return columns_->sameText(slot_, other.slot_, column);
        return text(column) == other.text(column);
    }

private:
    const TransactionRecord *record_ = nullptr;
    const TransactionColumns *columns_ = nullptr;
    int slot_ = -1;
};
