#pragma once
#include "TwwFieldInfo.h"

#include <QList>
#include <QString>

class ReportControls;

// The three description texts built from the criteria list: the accounts (A), the dates (D)
// and the remaining criteria (W).
struct ReportDescriptionTexts {
    QString accounts;
    QString dates;
    QString filter;
};

// Builds the texts in list order; the Date and AcctName entries also write the tool-bar
// texts they stand for.
ReportDescriptionTexts describeCriteria(const QList<TwwFieldInfo> &criteria, ReportControls &controls);
