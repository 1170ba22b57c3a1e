#pragma once
#include "TransactionSchema.h"

#include <QString>
#include <array>

// One transaction as the table holds it in memory: values by storage column and a null flag
// per column.
struct TransactionRecord {
    qint64 rowid = 0;
    double date = 0;
    double amount = 0;
    std::array<QString, TransactionSchema::ColumnCount> text;
    quint16 nulls = (1u << TransactionSchema::ColumnCount) - 1;

    bool isNull(int column) const { return nulls & (1u << column); }
    void setNull(int column, bool null) {
        if (null) nulls |= (1u << column);
        else nulls &= ~(1u << column);
    }
};

// Index order: the first key, then Date; nulls first, text by character code.
int compareColumn(const TransactionRecord &a, const TransactionRecord &b, int column);
int compareText(const QString &a, const QString &b);
// Cuts a text to at most `characters` characters without splitting one.
QString cutToCharacters(const QString &text, int characters);
