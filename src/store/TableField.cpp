#include "TableField.h"

#include "EngineError.h"
#include "TransactionTable.h"

#include <cmath>

using namespace TransactionSchema;

TableField::TableField(TransactionTable &table, const FieldPresentation &presentation)
    : table_(table), presentation_(presentation), displayLabel_(presentation.displayLabel),
      displayWidth_(presentation.displayWidth), visible_(presentation.visible) {}

QString TableField::fieldName() const { return fields[column()].name; }
FieldType TableField::dataType() const { return fields[column()].type; }
int TableField::size() const { return fields[column()].size; }

bool TableField::isNull() const {
    const TransactionRow row = table_.currentRecord();
    return !row || row.isNull(column());
}

double TableField::asDateTime() const {
    if (isNull()) return 0;
    const TransactionRow row = table_.currentRecord();
    switch (dataType()) {
    case FieldType::Date: return row.date();
    case FieldType::Currency: return row.amount();
    default: {
        const QString text = row.text(column());
        if (auto day = table_.localeFormats().parseShortDate(text)) return *day;
        throw EngineError(QString("'%1' is not a valid date").arg(text));
    }
    }
}

double TableField::asFloat() const {
    if (isNull()) return 0;
    const TransactionRow row = table_.currentRecord();
    switch (dataType()) {
    case FieldType::Date: return row.date();
    case FieldType::Currency: return row.amount();
    default: {
        const QString text = row.text(column());
        bool ok = false;
        const double value = text.trimmed().toDouble(&ok);
        if (!ok) throw EngineError(QString("'%1' is not a valid floating point value").arg(text));
        return value;
    }
    }
}

QString TableField::asString() const {
    if (isNull()) return QString();
    const TransactionRow row = table_.currentRecord();
    switch (dataType()) {
    case FieldType::Date: return table_.localeFormats().formatShortDate(row.date());
    case FieldType::Currency: {
        QString text = QString::number(row.amount(), 'g', 15);
        text.replace('.', table_.localeFormats().decimalSeparator);
        return text;
    }
    default: return row.text(column());
    }
}

QString TableField::displayText() const {
    const TransactionRow row = table_.currentRecord();
    return row ? table_.displayText(row, column()) : QString();
}

void TableField::setAsFloat(double value) {
    TransactionRecord &record = table_.pendingRecord();
    switch (dataType()) {
    case FieldType::Date: record.date = std::floor(value); break;
    case FieldType::Currency: record.amount = value; break;
    default: record.text[column()] = cutToCharacters(QString::number(value, 'g', 15), size());
    }
    record.setNull(column(), false);
}

void TableField::setAsDateTime(double dayNumber) { setAsFloat(dayNumber); }

void TableField::setAsString(const QString &text) {
    TransactionRecord &record = table_.pendingRecord();
    if (text.isEmpty()) {
        // An empty text stores null, for every type.
        record.setNull(column(), true);
        record.text[column()].clear();
        return;
    }
    switch (dataType()) {
    case FieldType::Date: {
        const auto day = table_.localeFormats().parseShortDate(text);
        if (!day) throw EngineError(QString("'%1' is not a valid date").arg(text));
        record.date = *day;
        break;
    }
    case FieldType::Currency: {
        QString plain = text.trimmed();
        plain.replace(table_.localeFormats().decimalSeparator, '.');
        bool ok = false;
        const double value = plain.toDouble(&ok);
        if (!ok || !std::isfinite(value))
            throw EngineError(QString("'%1' is not a valid floating point value").arg(text));
        record.amount = value;
        break;
    }
    default: record.text[column()] = cutToCharacters(text, size());
    }
    record.setNull(column(), false);
}

void TableField::clear() {
    TransactionRecord &record = table_.pendingRecord();
    record.setNull(column(), true);
    record.text[column()].clear();
}
