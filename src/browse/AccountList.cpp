#include "AccountList.h"

#include "TransactionTable.h"

#include <QSet>

QStringList accountListEntries(TransactionTable &table) {
    QStringList entries{AllAccounts};
    // Case folding is what a comparison without regard to case compares, so a set of folded
    // names stays linear over a million rows.
    QSet<QString> seen{AllAccounts.toCaseFolded()};
    TableField &account = table.fieldByName("AcctName");
    for (table.first(); !table.eof(); table.next()) {
        const QString name = account.asString();
        if (!seen.contains(name.toCaseFolded())) {
            seen.insert(name.toCaseFolded());
            entries << name;
        }
    }
    return entries;
}
