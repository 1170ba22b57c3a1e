#pragma once
#include "Ascii2DB.h"
#include "ChunkedInput.h"
#include "RecordParser.h"
#include "TransactionTable.h"

#include <QFile>
#include <memory>
#include <vector>

// What one transfer holds while it runs; released by its clean-up.
struct TAscii2DB::Run {
    QFile input;
    QFile errorFile;
    std::unique_ptr<ChunkedInput> chunks;
    std::unique_ptr<RecordParser> parser;
    std::vector<TFieldStream> streams;
    std::unique_ptr<TransactionTable> work;
    bool destinationWasOpen = false;
    bool ownTransaction = false;
    bool indexesSuspended = false;
    ConversionRules rules;
    int erroredRecord = -1;
    bool windowShown = false;
    qint64 nextMark = 0;
    qint64 progressStep = 1;
};
