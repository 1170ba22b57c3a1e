#include "TransactionDateSpan.h"

#include "TransactionTable.h"

#include <algorithm>

std::pair<double, double> transactionDateSpan(TransactionTable &table) {
    bool undated = false, dated = false;
    double earliest = 0, latest = 0;
    const int count = table.recordCount();
    for (int row = 0; row < count; ++row) {
        const TransactionRecord &record = table.recordAt(row);
        if (record.isNull(TransactionSchema::Date)) {
            undated = true;
            continue;
        }
        earliest = dated ? std::min(earliest, record.date) : record.date;
        latest = dated ? std::max(latest, record.date) : record.date;
        dated = true;
    }
    return {undated ? 0 : earliest, latest};
}
