#include "ReportDescription.h"

#include "ReportControls.h"

namespace {

void describeDate(const TwwFieldInfo &entry, ReportDescriptionTexts &texts, ReportControls &controls) {
    if (entry.MatchType == fdMatchExact) {
        texts.dates = entry.FilterValue;
        controls.setStartDateText(entry.FilterValue);
        controls.setEndDateText(entry.FilterValue);
    } else {
        if (entry.MatchType == fdMatchRange) texts.dates = entry.MinValue + " - " + entry.MaxValue;
        controls.setStartDateText(entry.MinValue);
        controls.setEndDateText(entry.MaxValue);
    }
    if (entry.NonMatching) texts.dates = "NOT " + texts.dates;
}

void describeAccount(const TwwFieldInfo &entry, ReportDescriptionTexts &texts, ReportControls &controls) {
    controls.setAccountText(entry.FilterValue);
    switch (entry.MatchType) {
    case fdMatchExact: texts.accounts = entry.FilterValue; break;
    case fdMatchAny: texts.accounts = "..." + entry.FilterValue + "..."; break;
    case fdMatchStart: texts.accounts = entry.FilterValue + "..."; break;
    default: break;
    }
    if (entry.NonMatching) texts.accounts = "NOT " + texts.accounts;
}

// The quoting differs per match type on purpose: it is the wording users know.
void describeOther(const TwwFieldInfo &entry, QString &filter) {
    filter += filter.isEmpty() ? " where " : " and ";
    const QString &field = entry.FieldName;
    switch (entry.MatchType) {
    case fdMatchExact: filter += field + " = '" + entry.FilterValue + "'"; break;
    case fdMatchAny: filter += field + " = ...'" + entry.FilterValue + "..."; break;
    case fdMatchStart: filter += field + " = " + entry.FilterValue + "..."; break;
    case fdMatchRange:
        filter += field + " is >= '" + entry.MinValue + "' and <= '" + entry.MaxValue + "'";
        break;
    default: break;
    }
    if (entry.NonMatching) filter = "NOT " + filter;
}

} // namespace

ReportDescriptionTexts describeCriteria(const QList<TwwFieldInfo> &criteria, ReportControls &controls) {
    ReportDescriptionTexts texts;
    for (const TwwFieldInfo &entry : criteria) {
        if (entry.FieldName == "Date") describeDate(entry, texts, controls);
        else if (entry.FieldName == "AcctName") describeAccount(entry, texts, controls);
        else describeOther(entry, texts.filter);
    }
    if (texts.accounts.isEmpty()) texts.accounts = "All Account(s)";
    return texts;
}
