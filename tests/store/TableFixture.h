#pragma once
#include "TableDatabase.h"
#include "TablePassword.h"
#include "TransactionTable.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <initializer_list>

struct Row {
    double date;
    const char *description;
    double amount;
    const char *account = "Checking";
};

// A fresh table file in a temporary folder.
class TableFixture : public ::testing::Test {
protected:
    void SetUp() override {
        TableDatabase::addPassword(TablePassword);
        database.setDirectory(folder.path());
        database.createTable("transactions.DAT");
    }

    void fill(TransactionTable &table, std::initializer_list<Row> rows) {
        for (const Row &row : rows) {
            table.append();
            table.fieldByName("Date").setAsFloat(row.date);
            table.fieldByName("Description").setAsString(row.description);
            table.fieldByName("Amount").setAsFloat(row.amount);
            table.fieldByName("AcctName").setAsString(row.account);
            table.post();
        }
    }

    QStringList walk(TransactionTable &table, const QString &field = "Description") {
        QStringList values;
        for (table.first(); !table.eof(); table.next()) values << table.fieldByName(field).asString();
        return values;
    }

    QString path() const { return database.tablePath("transactions.DAT"); }

    QTemporaryDir folder;
    TableDatabase database;
};
