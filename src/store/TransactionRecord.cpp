#include "TransactionRecord.h"

namespace {

bool isHighSurrogate(QChar c) { return c.unicode() >= 0xD800 && c.unicode() <= 0xDBFF; }
bool isSurrogate(QChar c) { return c.unicode() >= 0xD800 && c.unicode() <= 0xDFFF; }

template <typename T> int threeWay(T a, T b) { return a < b ? -1 : (b < a ? 1 : 0); }

} // namespace

// Code point order, the same order SQLite's BINARY collation gives the stored UTF-8 text.
int compareText(const QString &a, const QString &b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const QChar x = a.at(i), y = b.at(i);
        if (x == y) continue;
        if (isSurrogate(x) != isSurrogate(y)) {
            // A surrogate stands for a code point above every other UTF-16 unit.
            if (x.unicode() >= 0xE000 || y.unicode() >= 0xE000) return isSurrogate(x) ? 1 : -1;
        }
        return x.unicode() < y.unicode() ? -1 : 1;
    }
    return threeWay(a.size(), b.size());
}

int compareColumn(const TransactionRecord &a, const TransactionRecord &b, int column) {
    const bool nullA = a.isNull(column), nullB = b.isNull(column);
    if (nullA || nullB) return nullA == nullB ? 0 : (nullA ? -1 : 1);
    switch (column) {
    case TransactionSchema::Date: return threeWay(a.date, b.date);
    case TransactionSchema::Amount: return threeWay(a.amount, b.amount);
    default: return compareText(a.text[column], b.text[column]);
    }
}

QString cutToCharacters(const QString &text, int characters) {
    qsizetype units = 0;
    for (int counted = 0; units < text.size() && counted < characters; ++counted)
        units += (isHighSurrogate(text.at(units)) && units + 1 < text.size()) ? 2 : 1;
    return units >= text.size() ? text : text.left(units);
}
