#include "SearchSummary.h"

namespace {

QString valueText(const TwwFieldInfo &criterion, const TwwFieldOperators &operators) {
    if (!criterion.NonMatching) return criterion.FilterValue;
    if (hasOperatorWord(criterion.FilterValue, operators)) return "NOT (" + criterion.FilterValue + ")";
    return "NOT " + criterion.FilterValue;
}

QString rangeText(const TwwFieldInfo &criterion) {
    QStringList bounds;
    if (!criterion.MinValue.isEmpty()) bounds << ">=" + criterion.MinValue;
    if (!criterion.MaxValue.isEmpty()) bounds << "<=" + criterion.MaxValue;
    return bounds.join(", ");
}

SearchSummaryRow rowFor(const TwwFieldInfo &criterion, const TwwFieldOperators &operators) {
    const QString &label = criterion.DisplayLabel;
    switch (criterion.MatchType) {
    case fdMatchExact: return {label, "Exact Match", valueText(criterion, operators)};
    case fdMatchStart: return {label, "Partial Match at Beginning", valueText(criterion, operators)};
    case fdMatchAny: return {label, "Partial Match Anywhere", valueText(criterion, operators)};
    case fdMatchRange: return {label, "By Range", rangeText(criterion)};
    default: return {};
    }
}

} // namespace

QList<SearchSummaryRow> searchSummary(const QList<TwwFieldInfo> &criteria, const TwwFieldOperators &operators) {
    QList<SearchSummaryRow> rows;
    for (const TwwFieldInfo &criterion : criteria) rows << rowFor(criterion, operators);
    return rows;
}
