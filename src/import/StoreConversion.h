#pragma once
#include "FieldConversion.h"
#include "TransactionSchema.h"

#include <QString>

class TableField;
struct TransactionRecord;

// A field text converted for one of the table's field types.
struct ConvertedValue {
    bool null = true;
    double number = 0;  // day number for a date, the amount for currency
    QString text;
};

// Throws ConversionError when the text does not fit the type.
ConvertedValue convertFieldText(FieldType type, int size, const QByteArray &text, const ConversionRules &rules);
void setFieldValue(TableField &field, const ConvertedValue &value);
void setRecordValue(TransactionRecord &record, int column, FieldType type, const ConvertedValue &value);
