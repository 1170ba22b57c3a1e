#include "ImportReceipt.h"

#include "Ascii2DB.h"

ImportReceipt ImportReceipt::fromTransfer(const TransferCounters &counters, bool kept, const QString &errorFile) {
    ImportReceipt receipt;
    receipt.linesRead = counters.RecordsRead;
    receipt.blank = counters.BlankRecords;
    if (kept) {
        receipt.imported = counters.RecordsAppended;
        // A bad record is counted once however many of its fields were bad.
        receipt.rejected = counters.recordErrors() + counters.RejectedRecords;
    } else {
        receipt.rejected = receipt.linesRead - receipt.blank;
    }
    if (counters.recordErrors() > 0) receipt.errorFile = errorFile;
    return receipt;
}

QList<ReceiptLine> receiptLines(const ImportReceipt &receipt, const std::function<QString(double)> &money,
                                const QString &errorFileShown) {
    const QString rejected = receipt.errorFile.isEmpty() ? QString("Rejected")
                                                         : QString("Rejected (see %1)").arg(errorFileShown);
    return {{"Lines read", QString::number(receipt.linesRead)},
            {"Imported", QString::number(receipt.imported)},
            {rejected, QString::number(receipt.rejected)},
            {"Blank", QString::number(receipt.blank)},
            {"Debits", money(receipt.debits)},
            {"Credits", money(receipt.credits)},
            {"Net", money(receipt.net)}};
}
