// Writing one parsed record through the work table.
#include "Ascii2DB.h"

#include "StoreConversion.h"
#include "TransferRun.h"
#include "TableField.h"
#include "TransactionRecord.h"
#include "TransactionTable.h"

namespace {

int compareKey(const TransactionRecord &a, const TransactionRecord &b, const IndexSchema &index) {
    for (int column : index.columns)
        if (const int c = compareColumn(a, b, column)) return c;
    return 0;
}

} // namespace

// The row whose index key equals the record's key fields becomes current; key fields the
// record does not list stay null in the key.
bool TAscii2DB::locateExisting(Run &run) {
    TransactionTable &table = *run.work;
    const IndexSchema &index = *TransactionSchema::indexNamed(table.indexName());
    TransactionRecord key;
    for (const TFieldStream &stream : run.streams) {
        if (!stream.Field) continue;
        const int column = stream.Field->column();
        if (column != index.columns[0] && column != index.columns[1]) continue;
        // A key text that does not convert is passed on to the caller.
        const ConvertedValue value = convertFieldText(stream.Field->dataType(), stream.Field->size(), stream.Text, run.rules);
        setRecordValue(key, column, stream.Field->dataType(), value);
    }
    int low = 0, high = table.recordCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (compareKey(table.recordAt(middle), key, index) < 0) low = middle + 1;
        else high = middle;
    }
    if (low == table.recordCount() || compareKey(table.recordAt(low), key, index) != 0) return false;
    table.setRecNo(low);
    return true;
}

bool TAscii2DB::writeRecord(Run &run) {
    TransactionTable &table = *run.work;
    bool append = true;
    if (Mode_ == mUpdate || Mode_ == mAppendUpdate) {
        const bool found = locateExisting(run);
        if (!found && Mode_ == mUpdate) return true;
        append = !found;
    }
    try {
        append ? table.append() : table.edit();
    } catch (const EngineError &error) {
        ErrorCode_ = 12;
        ErrorDetail_ = error.text();
        return false;
    }
    bool okToPost = true;
    for (size_t position = 0; position < run.streams.size(); ++position) {
        const TFieldStream &stream = run.streams[position];
        if (!stream.Field) continue;
        try {
            setFieldValue(*stream.Field, convertFieldText(stream.Field->dataType(), stream.Field->size(), stream.Text,
                                                          run.rules));
        } catch (const ConversionError &error) {
            okToPost = false;
            ErrorCode_ = dynamic_cast<const MemoTooLongError *>(&error) ? 24 : 22;
            if (!RecordError(run, int(position))) break;
        }
    }
    if (okToPost && OnPrePost_) OnPrePost_(*this, table, okToPost);
    if (!okToPost) {
        table.cancel();
        return true;
    }
    try {
        table.post();
    } catch (const EngineError &error) {
        table.cancel();
        ErrorCode_ = 13;
        ErrorDetail_ = error.text();
        return false;
    }
    ++(append ? counters_.RecordsAppended : counters_.RecordsUpdated);
    return true;
}
