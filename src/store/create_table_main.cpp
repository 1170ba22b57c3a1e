// Makes the empty table file that is installed beside the program.
#include "EngineError.h"
#include "TableDatabase.h"
#include "TablePassword.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: spendrake-create-table DIRECTORY\n");
        return 2;
    }
    TableDatabase::addPassword(TablePassword);
    TableDatabase database;
    database.setDirectory(QString::fromLocal8Bit(argv[1]));
    try {
        database.createTable("transactions.DAT");
    } catch (const EngineError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.text()));
        return 1;
    }
    return 0;
}
