#pragma once
#include "TableDatabase.h"
#include "TransactionTable.h"

#include <QStringList>

// `rows` made-up transactions over 1,500 days, 977 payees, 40 categories and five accounts,
// posted in one database transaction.
inline void fillBenchTransactions(TableDatabase &database, TransactionTable &table, int rows) {
    database.startTransaction("transactions.DAT");
    const QStringList accounts{"Checking", "Savings", "Visa", "Mastercard", "Brokerage"};
    for (int i = 0; i < rows; ++i) {
        table.append();
        table.fieldByName("Date").setAsFloat(40000 + i % 1500);
        table.fieldByName("Description").setAsString(QString("Payee %1").arg(i % 977));
        table.fieldByName("Amount").setAsFloat((i * 7919 % 200000) / 100.0 - 1000);
        table.fieldByName("Type").setAsString(i % 3 ? "debit" : "credit");
        table.fieldByName("Category").setAsString(QString("Category %1").arg(i % 40));
        table.fieldByName("AcctName").setAsString(accounts[i % accounts.size()]);
        table.fieldByName("Labels").setAsString(i % 5 ? "" : "tax");
        table.post();
    }
    database.commit("transactions.DAT");
}
