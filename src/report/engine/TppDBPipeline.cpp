#include "TppDBPipeline.h"

#include "EngineError.h"
#include "TppPropertyHelpers.h"
#include "TransactionTable.h"

using namespace TransactionSchema;

TppDBPipeline::TppDBPipeline() {
    setName("ppDBPipeline1");
    setUserName("DBPipeline1");
    setTransactionFields();
}

void TppDBPipeline::setTransactionFields() {
    static const std::array<const char *, ColumnCount> names{
        "Date", "Description", "Amount", "Type", "Category", "AcctName", "Labels", "Notes", "OrigDesc"};
    fields.clear();
    for (size_t i = 0; i < names.size(); ++i) {
        TppField field;
        field.fieldAlias = field.fieldName = QString::fromLatin1(names[i]);
        field.position = int(i);
        fields.push_back(field);
    }
}

void TppDBPipeline::open() {
    const QString failure = QStringLiteral("Could not open DataSet.") + ": " + userName();
    if (!table_) throw EngineError(failure);
    if (table_->active()) return;
    if (!openDataSource) throw EngineError(failure);
    try {
        table_->open();
    } catch (const EngineError &) {
        throw EngineError(failure);
    }
}

void TppDBPipeline::close() {
    if (closeDataSource && table_) table_->close();
}

int TppDBPipeline::recordCount() const { return table_ && table_->active() ? table_->recordCount() : 0; }

TransactionRow TppDBPipeline::record(int row) const { return table_->rowAt(row); }

int TppDBPipeline::columnOf(const QString &fieldAlias) const {
    if (fieldAlias.isEmpty()) return -1;
    for (const TppField &field : fields)
        if (field.fieldAlias.compare(fieldAlias, Qt::CaseInsensitive) == 0)
            return TransactionSchema::columnOf(field.fieldName);
    return -1;
}

TppDataType TppDBPipeline::dataType(int column) const {
    if (column < 0 || column >= ColumnCount) return TppDataType::dtNotKnown;
    switch (TransactionSchema::fields[column].type) {
    case FieldType::Date: return TppDataType::dtDate;
    case FieldType::Currency: return TppDataType::dtCurrency;
    case FieldType::String: return TppDataType::dtString;
    }
    return TppDataType::dtString;
}

QString TppDBPipeline::text(int row, int column) const {
    if (column < 0 || column >= ColumnCount) return QString();
    const TransactionRow r = record(row);
    if (r.isNull(column)) return QString();
    switch (TransactionSchema::fields[column].type) {
    case FieldType::Date: return table_->localeFormats().formatShortDate(r.date());
    case FieldType::Currency: {
        QString number = QString::number(r.amount(), 'g', 15);
        number.replace('.', table_->localeFormats().decimalSeparator);
        return number;
    }
    case FieldType::String: break;
    }
    return r.text(column);
}

TppValue TppDBPipeline::value(int row, int column) const {
    if (column < 0 || column >= ColumnCount) return std::monostate{};
    const TransactionRow r = record(row);
    if (r.isNull(column)) return std::monostate{};
    switch (TransactionSchema::fields[column].type) {
    case FieldType::Date: return TppDateTime{r.date()};
    case FieldType::Currency: return TppCurrency{r.amount()};
    case FieldType::String: break;
    }
    return r.text(column);
}

double TppDBPipeline::number(int row, int column) const {
    if (column < 0 || column >= ColumnCount) return 0;
    const TransactionRow r = record(row);
    if (r.isNull(column) || TransactionSchema::fields[column].type != FieldType::Currency) return 0;
    return r.amount();
}

bool TppDBPipeline::sameValue(int rowA, int rowB, int column) const {
    if (column < 0 || column >= ColumnCount) return true;
    return record(rowA).sameValue(record(rowB), column);
}

QString TppDBPipeline::fieldText(const QString &fieldAlias) const {
    return currentRow_ < 0 ? QString() : text(currentRow_, columnOf(fieldAlias));
}

TppValue TppDBPipeline::fieldValue(const QString &fieldAlias) const {
    return currentRow_ < 0 ? TppValue{} : value(currentRow_, columnOf(fieldAlias));
}

double TppDBPipeline::fieldAsFloat(const QString &fieldAlias) const {
    return currentRow_ < 0 ? 0 : number(currentRow_, columnOf(fieldAlias));
}

TppDataType TppDBPipeline::fieldDataType(const QString &fieldAlias) const { return dataType(columnOf(fieldAlias)); }

const TppPropertyTable &TppDBPipeline::propertyTable() const {
    using tpp::member;
    using P = TppDBPipeline;
    static const TppPropertyTable table = [] {
        TppPropertyTable t = objectProperties();
        t += {member("OpenDataSource", &P::openDataSource), member("CloseDataSource", &P::closeDataSource)};
        return t;
    }();
    return table;
}
