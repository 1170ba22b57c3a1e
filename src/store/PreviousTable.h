#pragma once
#include <QString>

class TableDatabase;

// The table as it was before the last import, kept beside it under a name of its own
// ("transactions.previous.DAT" for "transactions.DAT"): one generation, put back by a swap
// that keeps the table it replaces, so that a restore can itself be taken back.
namespace PreviousTable {

QString nameFor(const QString &tableName);

// True when a kept table exists (after finishing a swap that a crash interrupted).
bool exists(TableDatabase &database, const QString &tableName);

// Swaps the table and its kept copy. Refused with the engine's message, nothing changed,
// while the table is open, or when the kept copy is missing, damaged or not ours.
void restore(TableDatabase &database, const QString &tableName);

// A copy of the table file taken before it is changed; keep() makes it the kept table,
// replacing an older one. Without keep() the copy is thrown away and the kept table stays
// as it was. Take it while nothing is pending on the file (at the start of a transaction).
class Copy {
public:
    Copy(TableDatabase &database, const QString &tableName);
    ~Copy();
    Copy(const Copy &) = delete;
    Copy &operator=(const Copy &) = delete;

    void keep();

private:
    QString copy_;
    QString kept_;
    bool done_ = false;
};

} // namespace PreviousTable
