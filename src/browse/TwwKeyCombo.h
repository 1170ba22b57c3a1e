#pragma once
#include "TransactionTable.h"

#include <QStringList>
#include <optional>

// The rules of the "Sort by " selector: its entries come from the table's index list and the
// labels of the fields the indexes start with, and choosing one sets that index on the open
// table. The window's drop-down list only shows these entries and forwards the choice.
class TwwKeyCombo {
public:
    explicit TwwKeyCombo(TransactionTable &table) : table_(table) {}

    // Reads the index list anew and builds the entries; the current one is that of the
    // table's current index (-1 when no entry stands for it).
    void rebuild();
    const QStringList &entries() const { return entries_; }
    int currentEntry() const;

    // Sets the index whose entry is `text` on the open table, re-ordering it at once. False,
    // with nothing changed, when the table is closed or no index has that entry.
    bool apply(const QString &text);

    // The index an entry stands for, looked up as applying does; empty when none.
    QString indexForEntry(const QString &text) const;

    // An index's entry: the label of its first key field ("~" read as a blank), " - Desc"
    // after it for a descending index; nothing when that field is missing or hidden.
    std::optional<QString> entryText(const IndexDefinition &index) const;

private:
    TransactionTable &table_;
    QStringList entries_;
};

// The first name of an index's key-field list.
QString firstKeyField(const IndexDefinition &index);
