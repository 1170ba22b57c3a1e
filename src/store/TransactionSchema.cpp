#include "TransactionSchema.h"

namespace TransactionSchema {

const std::array<FieldSchema, ColumnCount> fields{{
    {"Date", FieldType::Date, 0},
    {"Description", FieldType::String, 25},
    {"OrigDesc", FieldType::String, 200},
    {"Amount", FieldType::Currency, 0},
    {"Type", FieldType::String, 25},
    {"Category", FieldType::String, 25},
    {"AcctName", FieldType::String, 25},
    {"Labels", FieldType::String, 50},
    {"Notes", FieldType::String, 125},
}};

const std::array<FieldPresentation, ColumnCount> presentation{{
    {"TransDBDate", Date, "Date", 10, true},
    {"TransDBDescription", Description, "Description", 25, true},
    {"TransDBAmount", Amount, "Amount", 10, true},
    {"TransDBType", Type, "Type", 5, true},
    {"TransDBCategory", Category, "Category", 20, true},
    {"TransDBAcctName", AcctName, "Account Name", 20, true},
    {"TransDBLabels", Labels, "Tags", 15, true},
    {"TransDBNotes", Notes, "Notes", 25, true},
    {"TransDBOrigDesc", OrigDesc, "OrigDesc", 200, false},
}};

const std::array<IndexSchema, 7> indexes{{
    {"DateIndex", {Date, Date}},
    {"DescIndex", {Description, Date}},
    {"AmountIndex", {Amount, Date}},
    {"TypeIndex", {Type, Date}},
    {"CatIndex", {Category, Date}},
    {"AcctIndex", {AcctName, Date}},
    {"LblIndex", {Labels, Date}},
}};

int columnOf(const QString &fieldName) {
    for (int i = 0; i < ColumnCount; ++i)
        if (fieldName.compare(QLatin1String(fields[i].name), Qt::CaseInsensitive) == 0) return i;
    return -1;
}

const IndexSchema *indexNamed(const QString &name) {
    for (const auto &index : indexes)
        if (name.compare(QLatin1String(index.name), Qt::CaseInsensitive) == 0) return &index;
    return nullptr;
}

QString keyFieldList(const IndexSchema &index) {
    if (index.columns[0] == index.columns[1]) return fields[index.columns[0]].name;
    return QString("%1;%2").arg(fields[index.columns[0]].name, fields[index.columns[1]].name);
}

QStringList createStatements() {
    return QStringList{
        "CREATE TABLE transactions (Date INTEGER, Description TEXT, OrigDesc TEXT, Amount REAL,"
        " Type TEXT, Category TEXT, AcctName TEXT, Labels TEXT, Notes TEXT)",
        "CREATE TABLE spendrake_meta (key TEXT PRIMARY KEY, value TEXT)",
    } + createIndexStatements();
}

QStringList createIndexStatements() {
    QStringList statements;
    for (const auto &index : indexes) {
        QStringList keys;
        for (int column : index.columns)
            if (!keys.contains(fields[column].name)) keys << fields[column].name;
        statements << QString("CREATE INDEX %1 ON transactions (%2)").arg(index.name, keys.join(", "));
    }
    return statements;
}

QStringList dropIndexStatements() {
    QStringList statements;
    for (const auto &index : indexes) statements << QString("DROP INDEX IF EXISTS %1").arg(index.name);
    return statements;
}

} // namespace TransactionSchema
