#pragma once
#include <QString>

// Writes an export of the service's format with a title line and `rows` transactions of
// varied dates, amounts, types and accounts; every row is different.
void writeGeneratedExport(const QString &path, int rows);
