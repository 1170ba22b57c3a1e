#pragma once
#include <utility>

class TransactionTable;

// The first and the last date in date order over the rows in view, without touching the
// table's own order or current record. A row without a date sorts first, so it makes the
// first date null (0); an empty table gives (0, 0).
std::pair<double, double> transactionDateSpan(TransactionTable &table);
