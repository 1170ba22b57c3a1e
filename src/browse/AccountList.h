#pragma once
#include <QStringList>

class TransactionTable;

// The account chooser's first entry, standing for no account criterion.
inline const QString AllAccounts = QStringLiteral("All Account(s)");

// The account names of the table in the order its current order first meets them, after
// AllAccounts. A name that differs only in case from an earlier one is left out; an empty
// name gives one empty entry. Walks the table from its first row and leaves it past the last.
QStringList accountListEntries(TransactionTable &table);
