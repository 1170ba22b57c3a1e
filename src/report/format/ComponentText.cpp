#include "ComponentText.h"

#include "DayNumber.h"
#include "DisplayFormatter.h"
#include "ReportStrings.h"

namespace {

bool isZero(const TppValue &value) {
    if (auto v = std::get_if<qint64>(&value)) return *v == 0;
    if (auto v = std::get_if<double>(&value)) return *v == 0;
    if (auto v = std::get_if<TppCurrency>(&value)) return v->value == 0;
    if (auto v = std::get_if<TppDateTime>(&value)) return v->dayNumber == 0;
    return false;
}

QString pageWords(int pageNo, int pageCount) {
    return QString::number(pageNo) + ' ' + reportString(ReportString::Of) + ' ' + QString::number(pageCount);
}

} // namespace

double dayNumberOf(const QDateTime &dateTime) {
    return DayNumber::fromDate(dateTime.date()) + dateTime.time().msecsSinceStartOfDay() / 86400000.0;
}

QString dataText(const FieldReading &field, const QString &displayFormat, bool blankWhenZero,
                 const LocaleFormats &formats) {
    if (!field.known || isNull(field.value)) return {};
    if (blankWhenZero && isZero(field.value)) return {};
    return formatDisplayValue(displayFormat, field.type, field.value, formats);
}

QString calcText(TppDBCalcType calcType, double runningValue, qint64 runningCount, bool dateField,
                 const QString &displayFormat, bool blankWhenZero, const LocaleFormats &formats) {
    if (calcType == TppDBCalcType::dcCount) {
        if (blankWhenZero && runningCount == 0) return {};
        return formatDisplayValue(displayFormat, TppDataType::dtInteger, TppValue(runningCount), formats);
    }
    double value = runningValue;
    if (calcType == TppDBCalcType::dcAverage) value = runningCount == 0 ? 0 : runningValue / double(runningCount);
    if (value == 0 && (dateField || blankWhenZero)) return {};
    if (dateField) return formatDisplayValue(displayFormat, TppDataType::dtDateTime, TppDateTime{value}, formats);
    return formatDisplayValue(displayFormat, TppDataType::dtDouble, TppValue(value), formats);
}

QString systemVariableText(TppVarType varType, const VariableContext &context,
                           const QString &displayFormat, const LocaleFormats &formats) {
    const QDateTime now = context.now.isValid() ? context.now : QDateTime::currentDateTime();
    const int pageNo = context.inRun ? context.pageNo : 1;
    const int pageCount = context.inRun ? context.pageCount : 1;
    auto format = [&](TppDataType type, const TppValue &value) {
        return formatDisplayValue(displayFormat, type, value, formats);
    };
    switch (varType) {
    case TppVarType::vtDate:
        return format(TppDataType::dtDate, TppDateTime{DayNumber::fromDate(now.date())});
    case TppVarType::vtDateTime: return format(TppDataType::dtDateTime, TppDateTime{dayNumberOf(now)});
    case TppVarType::vtDocumentName: return context.documentName;
    case TppVarType::vtPrintDateTime: {
        const QDateTime printed = context.inRun && context.printDateTime.isValid() ? context.printDateTime : now;
        return format(TppDataType::dtDateTime, TppDateTime{dayNumberOf(printed)});
    }
    case TppVarType::vtPageCount: return format(TppDataType::dtInteger, qint64(pageCount));
    case TppVarType::vtPageSet: return pageWords(pageNo, pageCount);
    case TppVarType::vtPageSetDesc: return reportString(ReportString::Page) + ' ' + pageWords(pageNo, pageCount);
    case TppVarType::vtPageNo: return format(TppDataType::dtInteger, qint64(pageNo));
    case TppVarType::vtPageNoDesc: return reportString(ReportString::Page) + ' ' + QString::number(pageNo);
    case TppVarType::vtTime:
        return format(TppDataType::dtTime, TppDateTime{now.time().msecsSinceStartOfDay() / 86400000.0});
    }
    return {};
}

bool needsPageCount(TppVarType varType) {
    return varType == TppVarType::vtPageSet || varType == TppVarType::vtPageSetDesc;
}
