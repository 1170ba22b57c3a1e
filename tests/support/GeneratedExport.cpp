#include "GeneratedExport.h"

#include <QFile>
#include <stdexcept>

void writeGeneratedExport(const QString &path, int rows) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write the export");
    file.write("\"Date\",\"Description\",\"Original Description\",\"Amount\",\"Transaction Type\",\"Category\","
               "\"Account Name\",\"Labels\",\"Notes\"\n");
    for (int i = 0; i < rows; ++i)
        file.write(QString("\"%1/%2/2025\",\"Shop %3\",\"SHOP %3 CARD PAYMENT\",\"%4.%5\",\"%6\",\"Groceries\","
                           "\"%7\",\"\",\"\"\n")
                       .arg(i % 12 + 1)
                       .arg(i % 28 + 1)
                       .arg(i)
                       .arg(i % 900)
                       .arg(i % 100, 2, 10, QChar('0'))
                       .arg(i % 3 ? "debit" : "credit")
                       .arg(i % 2 ? "Visa" : "Checking")
                       .toUtf8());
}
