#pragma once
#include "TransactionTable.h"

#include <QString>

// The transaction grid's rules, kept apart from its widgets.

// The index a click on a column title chooses: the first whose key-field list is the column's
// field name, alone or followed by ";Date" (exact texts). Empty when none ("Notes").
QString indexForTitle(const QList<IndexDefinition> &indexes, const QString &fieldName);

// The ink of a data cell: debit amounts red, any highlighted cell black, else the grid's own.
enum class CellInk { Normal, Red, Black };
CellInk cellInk(const QString &fieldDisplayName, const QString &typeText, bool highlight);
