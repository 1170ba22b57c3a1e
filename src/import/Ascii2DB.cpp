#include "Ascii2DB.h"

#include "ChunkedInput.h"
#include "StoreConversion.h"
#include "TableDatabase.h"
#include "TransactionTable.h"
#include "TransferProgress.h"
#include "TransferRun.h"

#include <QDate>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <optional>

namespace {

// A names line with more fields than this is no header of any table.
constexpr int MaxNamesFields = 1024;

constexpr int ProgressWidth = 200;

// The field a list entry names: "Name", or "Name,width" for fixed-width records.
QString listedName(const QString &entry) {
    const QString text = entry.trimmed().toUpper();
    const qsizetype comma = text.indexOf(',');
    return comma < 0 ? text : text.left(comma).trimmed();
}

bool sameFile(const QString &a, const QString &b) {
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

} // namespace

TAscii2DB::TAscii2DB() = default;
TAscii2DB::~TAscii2DB() = default;

void TAscii2DB::resetOutcome() {
    ErrorCode_ = 0;
    ErrorRecord_ = ErrorField_ = 0;
    ErrorDetail_.clear();
    counters_ = {};
    ranToEnd_ = false;
}

ConversionRules TAscii2DB::conversionRules() const {
    ConversionRules rules;
    rules.dateFormat = DateFormat_;
    const QString shortDate = Destination_ ? Destination_->localeFormats().shortDateFormat
                                           : LocaleFormats::unitedStates().shortDateFormat;
    rules.dateOrder = dateOrderFor(DateFormat_, shortDate);
    rules.dateSeparator = DateSeparat_;
    rules.timeSeparator = TimeSeparat_;
    rules.decimalSeparator = DecimalSeparat_;
    rules.currentYear = QDate::currentDate().year();
    return rules;
}

void TAscii2DB::Transfer() {
    if (busy_) return;
    const QScopedValueRollback<bool> idle(busy_, true);
    resetOutcome();

    Run run;
    run.rules = conversionRules();
    if (!checkBeforeStart(run.input, run.errorFile)) return;
    run.destinationWasOpen = Destination_ && Destination_->active();
    try {
        runTransfer(run);
    } catch (...) {
        try {
            cleanUp(run);
        } catch (...) {
            // The first failure is the one worth reporting.
        }
        throw;
    }
    cleanUp(run);
}

bool TAscii2DB::checkBeforeStart(QFile &input, QFile &errorFile) {
    if (WriteEnable_ && (!Destination_ || Destination_->tableName().isEmpty())) ErrorCode_ = 15;
    else if (WriteEnable_ && Destination_->database().databaseName().isEmpty()) ErrorCode_ = 16;
    else if (AsciiFile_.isEmpty()) ErrorCode_ = 17;
    else if (!QFileInfo::exists(AsciiFile_)) ErrorCode_ = 2;
    if (ErrorCode_ != 0) return false;
    // Only a plain file: a pipe or device could block or never end.
    input.setFileName(AsciiFile_);
    if (!QFileInfo(AsciiFile_).isFile() || !input.open(QIODevice::ReadOnly)) {
        ErrorCode_ = 7;
        return false;
    }
    if (!ErrorFile_.isEmpty()) {
        errorFile.setFileName(ErrorFile_);
        // Truncating the input itself would destroy what is being imported.
        if (sameFile(ErrorFile_, AsciiFile_) ||
            !errorFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
            input.close();
            ErrorCode_ = 18;
            return false;
        }
    }
    return true;
}

void TAscii2DB::runTransfer(Run &run) {
    run.chunks = std::make_unique<ChunkedInput>(run.input);
    run.parser = std::make_unique<RecordParser>(*run.chunks, parser_);
    for (qsizetype i = FieldList_.size() - 1; i >= 0; --i)
        if (FieldList_[i].trimmed().isEmpty()) FieldList_.removeAt(i);
    for (int i = 0; i < SkipLines_ && !run.chunks->atEnd(); ++i) run.parser->ParseDelimitedRecord(true, run.streams);
    if (NamesFirst_ && !FixedWidth_) {
        readNames(run);
        if (ErrorCode_ != 0) return;
    }
    if (FieldList_.isEmpty()) {
        ErrorCode_ = 3;
        return;
    }
    if (WriteEnable_ && !openWorkTable(run)) return;
    if (!buildStreams(run)) return;
    if (ShowDlg_) showProgress(run);
    if (WriteEnable_ && Mode_ == mCopy) run.work->emptyTable();
    if (WriteEnable_ && !startBulkLoad(run)) return;
    mainLoop(run);
    if (ErrorCode_ == 0 && ShowDlg_) drawProgress(run);
}

void TAscii2DB::readNames(Run &run) {
    std::vector<TFieldStream> none;
    int count = 0;
    qint64 start = 0;
    while (count == 0) {
        if (run.chunks->atEnd()) {
            ErrorCode_ = 20;
            return;
        }
        start = run.chunks->position();
        count = run.parser->ParseDelimitedRecord(false, none);
        if (count < 0) {
            ErrorCode_ = 6;
            return;
        }
    }
    if (count > MaxNamesFields) {
        ErrorCode_ = 8;
        return;
    }
    std::vector<TFieldStream> names(count);
    run.chunks->seek(start);
    run.parser->ParseDelimitedRecord(false, names);
    FieldList_.clear();
    for (const TFieldStream &name : names) FieldList_ << fieldTextToString(name.Text).trimmed();
}

bool TAscii2DB::openWorkTable(Run &run) {
    Destination_->close();
    run.work = std::make_unique<TransactionTable>(Destination_->database(), Destination_->tableName());
    run.work->setLocaleFormats(Destination_->localeFormats());
    try {
        run.work->setIndexName(Destination_->indexName());
        run.work->open();
    } catch (const EngineError &error) {
        run.work.reset();
        ErrorCode_ = 1;
        ErrorDetail_ = error.text();
        return false;
    }
    // Rows go in one store transaction unless the caller holds one: one commit instead of
    // one per row.
    TableDatabase &database = Destination_->database();
    if (!database.inTransaction(Destination_->tableName())) {
        database.startTransaction(Destination_->tableName());
        run.ownTransaction = true;
    }
    const auto listed = std::count_if(FieldList_.begin(), FieldList_.end(),
                                      [](const QString &entry) { return listedName(entry) != "SKIP"; });
    if (listed > run.work->fieldCount()) {
        ErrorCode_ = 8;
        return false;
    }
    return true;
}

// Into an empty table the rows go in without index upkeep; clean-up builds the indexes once.
// Key lookups of the update modes read the rows in memory, not the file's indexes.
bool TAscii2DB::startBulkLoad(Run &run) {
    if (!run.work->isEmpty()) return true;
    try {
        run.work->suspendIndexes();
    } catch (const EngineError &error) {
        ErrorCode_ = 1;
        ErrorDetail_ = error.text();
        return false;
    }
    run.indexesSuspended = true;
    return true;
}

bool TAscii2DB::buildStreams(Run &run) {
    for (const QString &entry : FieldList_) {
        const QString text = entry.trimmed().toUpper();
        const qsizetype comma = text.indexOf(',');
        const QString name = listedName(entry);
        TFieldStream stream;
        if (FixedWidth_) {
            bool ok = false;
            const int width = comma < 0 ? 0 : text.mid(comma + 1).trimmed().toInt(&ok);
            if (!ok || width <= 0 || width > 0xFFFF) {
                ErrorCode_ = 11;
                return false;
            }
            stream.Width = quint16(width);
        }
        if (name != "SKIP" && WriteEnable_) {
            stream.Field = run.work->findField(name);
            if (!stream.Field) {
                ErrorCode_ = 5;
                return false;
            }
        }
        run.streams.push_back(std::move(stream));
    }
    return true;
}

int TAscii2DB::parseRecord(Run &run) {
    return FixedWidth_ ? run.parser->ParseFixedRecord(run.streams) : run.parser->ParseDelimitedRecord(false, run.streams);
}

void TAscii2DB::mainLoop(Run &run) {
    TransferCounters &c = counters_;
    while (!run.chunks->atEnd() && ErrorCode_ == 0) {
        int count = parseRecord(run);
        ++c.RecordsRead;
        if (count < 0) {
            ErrorCode_ = 6;
            break;
        }
        if (count == 0) {
            ++c.BlankRecords;
            continue;
        }
        if (OnParse_) {
            OnParse_(*this, run.streams, run.parser->RecordText(), count);
            if (count < 0) {
                ErrorCode_ = 14;
                break;
            }
            if (count == 0) {
                ++c.RejectedRecords;
                continue;
            }
        }
        ++c.RecordsParsed;
        if (count != int(run.streams.size())) {
            ErrorCode_ = 21;
            if (!RecordError(run, count)) break;
            continue;
        }
        if (WriteEnable_ && !writeRecord(run)) break;
        if (NotifyCount_ > 0 && c.RecordsParsed % NotifyCount_ == 0) {
            // The only moment the abort button can be clicked.
            if (progress_) progress_->processEvents();
            if (OnNotifyCount_) OnNotifyCount_(*this);
        }
        if (ShowDlg_ && run.chunks->position() > run.nextMark) {
            run.nextMark = run.chunks->position() + run.progressStep;
            drawProgress(run);
        }
        if (RecordLimit_ > 0 && c.RecordsParsed >= RecordLimit_) break;
    }
    ranToEnd_ = ErrorCode_ == 0;
}

bool TAscii2DB::RecordError(Run &run, int position) {
    TransferCounters &c = counters_;
    if (run.erroredRecord != c.RecordsRead) {
        ErrorRecord_ = c.RecordsRead;
        ErrorField_ = position + 1;
        switch (ErrorCode_) {
        case 21: ++c.WrongCountRecords; break;
        case 22: ++c.ConversionErrorRecords; break;
        case 23: ++c.KeyViolationRecords; break;
        case 24: ++c.MemoTooLongRecords; break;
        default: break;
        }
        if (run.errorFile.isOpen()) {
            QByteArray lines;
            if (AnnotateErrorFile_)
                lines += ";line:" + QByteArray::number(c.RecordsRead) + " field:" + QByteArray::number(ErrorField_) +
                         " message: " + ErrorText(ErrorCode_).toLatin1() + "\r\n";
            QByteArray record = run.parser->RecordText();
            if (record.endsWith('\r')) record.chop(1);
            lines += record + "\r\n";
            if (run.errorFile.write(lines) != lines.size()) {
                ErrorCode_ = 19;
                return false;
            }
        }
        run.erroredRecord = c.RecordsRead;
    }
    if (MaxRecordErrors_ == 0 || c.RecordErrorsAccepted < MaxRecordErrors_) {
        ++c.RecordErrorsAccepted;
        ErrorCode_ = 0;
        return true;
    }
    return false;
}

void TAscii2DB::showProgress(Run &run) {
    const qint64 size = run.chunks->size();
    run.progressStep = size / 100 ? size / 100 : (size / 10 ? size / 10 : 1);
    run.nextMark = 0;
    if (!progress_) return;
    const bool withButton = NotifyCount_ > 0;
    progress_->showWindow(ShowCaption_, ProgressWidth, withButton ? 40 : 20, withButton, AbortCaption_,
                          [this] { AbortTransfer(); });
    run.windowShown = true;
}

void TAscii2DB::drawProgress(Run &run) {
    if (!run.windowShown) return;
    const qint64 size = run.chunks->size(), done = std::min(run.chunks->position() + 1, size);
    const int bar = size ? int(ProgressWidth * done / size) : 0;
    const int percent = size ? int(done * 100 / size) : 0;
    progress_->drawProgress(bar, percent);
}

void TAscii2DB::cleanUp(Run &run) {
    const TransferCounters &c = counters_;
    if (c.recordErrors() > 0) ErrorCode_ = 25;
    else if (ErrorCode_ == 0 && c.RecordsParsed == 0) ErrorCode_ = 20;
    if (ErrorCode_ != 0 && ErrorCode_ != 25) {
        ErrorRecord_ = c.RecordsRead;
        ErrorField_ = 0;
    }
    run.input.close();
    if (run.errorFile.isOpen()) {
        run.errorFile.close();
        if (c.recordErrors() == 0) run.errorFile.remove();
    }
    run.streams.clear();

    std::exception_ptr failure;
    auto attempt = [&failure](auto step) {
        try {
            step();
        } catch (...) {
            if (!failure) failure = std::current_exception();
        }
    };
    // After a clean run the work table's rows are the file's: the destination reopens with
    // them instead of reading them all back.
    std::optional<TransactionColumns> rows;
    if (run.work) {
        run.work->cancel();  // a row left half-written by a failure is not posted
        if (run.indexesSuspended) attempt([&] { run.work->restoreIndexes(); });
        const bool clean = !failure && (ErrorCode_ == 0 || ErrorCode_ == 25) && run.destinationWasOpen;
        if (clean) attempt([&] { rows = run.work->closeKeepingRows(); });
        else attempt([&] { run.work->close(); });
        run.work.reset();
    }
    if (run.ownTransaction) {
        TableDatabase &database = Destination_->database();
        attempt([&] { database.commit(Destination_->tableName()); });
        if (failure) attempt([&] { database.rollback(Destination_->tableName()); });
    }
    if (run.windowShown) attempt([&] { progress_->closeWindow(); });
    if (rows && !failure && !Destination_->active()) attempt([&] { Destination_->openWithRows(std::move(*rows)); });
    if (WriteEnable_ && Destination_ && Destination_->active() != run.destinationWasOpen)
        attempt([&] { Destination_->setActive(run.destinationWasOpen); });
    if (failure) std::rethrow_exception(failure);
}
