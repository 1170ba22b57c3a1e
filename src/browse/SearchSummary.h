#pragma once
#include "FilterTerms.h"
#include "TwwFieldInfo.h"

#include <QList>
#include <QString>

// One line of the search summary: the field, the search type and the value as the user reads
// them.
struct SearchSummaryRow {
    QString field;
    QString searchType;
    QString value;
    bool operator==(const SearchSummaryRow &) const = default;
};

// The rows for the criteria, in list order. A non-matching value reads "NOT value", or
// "NOT (value)" when operator words join its terms; a range reads ">=min, <=max" with an
// empty bound left out.
QList<SearchSummaryRow> searchSummary(const QList<TwwFieldInfo> &criteria, const TwwFieldOperators &operators);
