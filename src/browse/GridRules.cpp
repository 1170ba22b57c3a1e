#include "GridRules.h"

QString indexForTitle(const QList<IndexDefinition> &indexes, const QString &fieldName) {
    for (const IndexDefinition &index : indexes)
        if (index.fields == fieldName || index.fields == fieldName + ";Date") return index.name;
    return {};
}

CellInk cellInk(const QString &fieldDisplayName, const QString &typeText, bool highlight) {
    if (highlight) return CellInk::Black;
    return fieldDisplayName == "Amount" && typeText == "debit" ? CellInk::Red : CellInk::Normal;
}
