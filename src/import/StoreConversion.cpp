#include "StoreConversion.h"

#include "TableField.h"
#include "TransactionRecord.h"

ConvertedValue convertFieldText(FieldType type, int size, const QByteArray &text, const ConversionRules &rules) {
    ConvertedValue value;
    switch (type) {
    case FieldType::Date:
        if (auto day = dateFieldValue(text, rules)) value = {false, *day, {}};
        break;
    case FieldType::Currency:
        if (auto amount = floatFieldValue(text, rules)) value = {false, *amount, {}};
        break;
    case FieldType::String:
        value.text = cutToCharacters(fieldTextToString(text), size);
        value.null = value.text.isEmpty();
        break;
    }
    return value;
}

void setFieldValue(TableField &field, const ConvertedValue &value) {
    if (value.null) field.clear();
    else if (field.dataType() == FieldType::String) field.setAsString(value.text);
    else field.setAsFloat(value.number);
}

void setRecordValue(TransactionRecord &record, int column, FieldType type, const ConvertedValue &value) {
    record.setNull(column, value.null);
    if (value.null) return;
    switch (type) {
    case FieldType::Date: record.date = value.number; break;
    case FieldType::Currency: record.amount = value.number; break;
    case FieldType::String: record.text[column] = value.text; break;
    }
}
