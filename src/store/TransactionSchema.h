#pragma once
#include <QString>
#include <QStringList>
#include <array>

// The transaction record: its fields in storage order, the order the grid shows them in,
// and the seven indexes.
enum class FieldType { Date, String, Currency };

struct FieldSchema {
    const char *name;
    FieldType type;
    int size;  // characters, 0 for non-text fields
};

struct FieldPresentation {
    const char *objectName;
    int column;  // storage column
    const char *displayLabel;
    int displayWidth;
    bool visible;
};

struct IndexSchema {
    const char *name;
    std::array<int, 2> columns;  // storage columns; the second is always Date
};

namespace TransactionSchema {

enum Column { Date, Description, OrigDesc, Amount, Type, Category, AcctName, Labels, Notes };
constexpr int ColumnCount = 9;

extern const std::array<FieldSchema, ColumnCount> fields;
extern const std::array<FieldPresentation, ColumnCount> presentation;
extern const std::array<IndexSchema, 7> indexes;

int columnOf(const QString &fieldName);      // -1 when there is no such field
const IndexSchema *indexNamed(const QString &name);  // nullptr when unknown
QString keyFieldList(const IndexSchema &index);      // "Description;Date"

// The SQL that creates an empty table with its indexes.
QStringList createStatements();
// The seven indexes alone: dropped before a bulk load and built again after it.
QStringList createIndexStatements();
QStringList dropIndexStatements();

} // namespace TransactionSchema
