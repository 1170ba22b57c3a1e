#pragma once
#include "TableDatabase.h"
#include "TablePassword.h"
#include "TransactionTable.h"

#include <QTemporaryDir>

// A fresh transaction table in a folder of its own, open, for the targets that need one.
struct ScratchTable {
    QTemporaryDir folder;
    TableDatabase database;
    TransactionTable table{database};

    ScratchTable() {
        TableDatabase::addPassword(TablePassword);
        database.setDirectory(folder.path());
        database.createTable(table.tableName());
        table.open();
    }
};
