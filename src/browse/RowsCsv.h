#pragma once
#include <QTextStream>

class TransactionTable;

// Writes the rows the table shows, in its current order, as CSV: a header of the field names
// in the table's field order, dates in the short date format, amounts in the general number
// form.
void writeRowsCsv(TransactionTable &table, QTextStream &out);

// The same into a file, which is replaced only once every row is written: a failure raises
// an error saying why and leaves no partial file (and an older file as it was).
void saveRowsCsv(TransactionTable &table, const QString &fileName);
