#pragma once
#include <QList>
#include <QString>
#include <functional>

struct TransferCounters;

// What an import did with the lines of the file, for checking it against the export: every
// data line read (the title line not counted) was imported, rejected or blank, so
// linesRead == imported + rejected + blank whatever the outcome. When the table was left as
// it was, no line was imported and every line that was not blank counts as rejected.
struct ImportReceipt {
    int linesRead = 0;
    int imported = 0;
    int rejected = 0;
    int blank = 0;  // empty and comment lines
    // Sums of the imported amounts as stored: debits (negative once turned) and the rest.
    double debits = 0;
    double credits = 0;
    double net = 0;  // the import total, summed in the same pass as the two above
    QString errorFile;  // where the rejected lines are, empty when there are none on disk

    // The receipt of a transfer whose rows were kept, or taken back when `kept` is false.
    static ImportReceipt fromTransfer(const TransferCounters &counters, bool kept, const QString &errorFile);
};

struct ReceiptLine {
    QString label;
    QString value;
};

// The labelled lines of a receipt, money formatted by `money`; the rejected line names the
// error file as `errorFileShown` (the full path or just the name) when there is one.
QList<ReceiptLine> receiptLines(const ImportReceipt &receipt, const std::function<QString(double)> &money,
                                const QString &errorFileShown);
