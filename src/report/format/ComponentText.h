#pragma once
#include "LocaleFormats.h"
#include "ReportTypes.h"

#include <QDateTime>

// The texts of the data-bound components and system variables, formed when the engine draws
// them. The engine reads what the component needs from its run and calls:
//   TppDBText          dataText(reading of DataField on the current record, DisplayFormat,
//                               BlankWhenZero, formats)
//   TppDBCalc          calcText(DBCalcType, running value, running count, whether DataField is
//                               a date/time field, DisplayFormat, BlankWhenZero, formats)
//   TppSystemVariable  systemVariableText(VarType, the page's numbers and the run's print
//                               date-time, DisplayFormat, formats)
//   TppLabel           its Caption as it stands; no formatting.
// Then placeText (TextPlacement.h) fixes where the text goes.

// A field of the current record as the pipeline reports it.
struct FieldReading {
    bool known = false;  // false: no pipeline, empty DataField or a field the pipeline lacks
    TppDataType type = TppDataType::dtNotKnown;
    TppValue value;
};

QString dataText(const FieldReading &field, const QString &displayFormat, bool blankWhenZero,
                 const LocaleFormats &formats);

// dcCount prints the running count; dcAverage the running value over the count (0 without
// records); the others the running value. Sums of date fields print as date-times, 0 as empty.
QString calcText(TppDBCalcType calcType, double runningValue, qint64 runningCount, bool dateField,
                 const QString &displayFormat, bool blankWhenZero, const LocaleFormats &formats);

// What a system variable reads from the run. Outside a run the page numbers are 1 and the
// print date-time is the current one. `now` stands for the clock (invalid: read the clock).
struct VariableContext {
    bool inRun = false;
    int pageNo = 1;
    int pageCount = 1;
    QString documentName;
    QDateTime printDateTime;
    QDateTime now;
};

QString systemVariableText(TppVarType varType, const VariableContext &context,
                           const QString &displayFormat, const LocaleFormats &formats);

// True for the variables that show the page count and so need the counting pass first.
bool needsPageCount(TppVarType varType);

// A local date-time as a day number with the time of day as the fraction.
double dayNumberOf(const QDateTime &dateTime);
