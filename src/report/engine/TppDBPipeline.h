#pragma once
#include "ReportTypes.h"
#include "TppObject.h"

#include <vector>

class TransactionTable;
class TransactionRow;

// One entry of a pipeline's field list. dtNotKnown takes the type from the table.
struct TppField {
    QString fieldAlias;
    QString fieldName;
    int fieldLength = 0;
    TppDataType dataType = TppDataType::dtNotKnown;
    int displayWidth = 0;
    int position = 0;
    bool searchable = false;
    bool sortable = false;
};

// Feeds a report the rows of the transaction table: the table's current index order, only
// the rows its filter accepts. Rows are read by position, so walking the report never moves
// the table's own current record (the grid keeps its place).
class TppDBPipeline : public TppObject {
public:
    TppDBPipeline();
    QString className() const override { return "TppDBPipeline"; }

    void setDataSource(TransactionTable *table) { table_ = table; }
    TransactionTable *dataSource() const { return table_; }

    bool openDataSource = true;    // open a closed table when a run starts
    bool closeDataSource = false;  // close it again after the run
    std::vector<TppField> fields;
    // The nine transaction fields, in the order the report lists them.
    void setTransactionFields();

    // Run interface. open() raises "Could not open DataSet.: <UserName>" when there is no
    // table or it cannot be opened.
    void open();
    void close();  // only when closeDataSource is set
    int recordCount() const;
    TransactionRow record(int row) const;

    // The row that components read; -1 before a run.
    int currentRow() const { return currentRow_; }
    void setCurrentRow(int row) { currentRow_ = row; }
    bool atFirst() const { return currentRow_ <= 0; }
    bool atEnd() const { return currentRow_ >= recordCount() - 1; }
    bool isEmpty() const { return recordCount() == 0; }

    // Table column of a field the pipeline lists; -1 for one it does not know.
    int columnOf(const QString &fieldAlias) const;
    TppDataType dataType(int column) const;
    // The field's ordinary text form: short date, general number, text as stored.
    QString text(int row, int column) const;
    TppValue value(int row, int column) const;
    // Numbers, currency and null (0) as double; any other value counts as 0.
    double number(int row, int column) const;
    // True when both rows hold the same stored value (then their texts are equal too).
    bool sameValue(int rowA, int rowB, int column) const;

    // The same by field name on the current row, for handlers.
    QString fieldText(const QString &fieldAlias) const;
    TppValue fieldValue(const QString &fieldAlias) const;
    double fieldAsFloat(const QString &fieldAlias) const;
    TppDataType fieldDataType(const QString &fieldAlias) const;

protected:
    const TppPropertyTable &propertyTable() const override;

private:
    TransactionTable *table_ = nullptr;
    int currentRow_ = -1;
};
