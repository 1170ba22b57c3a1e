#include "TransactionDateSpan.h"

#include "TransactionTable.h"

#include <algorithm>

std::pair<double, double> transactionDateSpan(TransactionTable &table) {
    bool undated = false, dated = false;
    double earliest = 0, latest = 0;
    const int count = table.recordCount();
    for (int row = 0; row < count; ++row) {
        const TransactionRow record = table.rowAt(row);
        if (record.isNull(TransactionSchema::Date)) {
            undated = true;
            continue;
        }
        const double date = record.date();
        earliest = dated ? std::min(earliest, date) : date;
        latest = dated ? std::max(latest, date) : date;
        dated = true;
    }
    return {undated ? 0 : earliest, latest};
}
