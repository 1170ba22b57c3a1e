#pragma once
#include "FieldConversion.h"
#include "ImportTypes.h"
#include "RecordParser.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class ChunkedInput;
class TransactionTable;
class TransferProgress;
class TAscii2DB;

using TParseEvent = std::function<void(TAscii2DB &Sender, std::vector<TFieldStream> &ParsedList,
                                       const QByteArray &aRecord, int &NumberOfFields)>;
using TPrePostEvent = std::function<void(TAscii2DB &Sender, TransactionTable &ATable, bool &OkToPost)>;
using TNotifyEvent = std::function<void(TAscii2DB &Sender)>;

// The outcome counters of one transfer, reset when the next one starts.
struct TransferCounters {
    int RecordsRead = 0;
    int RecordsParsed = 0;
    int RecordsAppended = 0;
    int RecordsUpdated = 0;
    int BlankRecords = 0;
    int RejectedRecords = 0;
    int WrongCountRecords = 0;
    int ConversionErrorRecords = 0;
    int KeyViolationRecords = 0;
    int MemoTooLongRecords = 0;
    int RecordErrorsAccepted = 0;

    int recordErrors() const {
        return WrongCountRecords + ConversionErrorRecords + KeyViolationRecords + MemoTooLongRecords;
    }
};

// Copies a text file of records into the transaction table, one row per record: delimited or
// fixed-width records, converted field by field, bad records counted and copied to an error
// file, a progress window with an abort button. The outcome is a code (ErrorCode) whose
// message ErrorText gives.
class TAscii2DB {
public:
    TAscii2DB();
    ~TAscii2DB();

    static QString ErrorText(int code);

    // Runs one import from AsciiFile into Destination.
    void Transfer();
    // The abort button's click.
    void AbortTransfer() { ErrorCode_ = 14; }

    // Properties.
    const QString &AbortCaption() const { return AbortCaption_; }
    void setAbortCaption(const QString &caption) { AbortCaption_ = caption; }
    bool AllowComments() const { return parser_.AllowComments; }
    void setAllowComments(bool allow) { parser_.AllowComments = allow; }
    bool AnnotateErrorFile() const { return AnnotateErrorFile_; }
    void setAnnotateErrorFile(bool annotate) { AnnotateErrorFile_ = annotate; }
    const QString &AsciiFile() const { return AsciiFile_; }
    void setAsciiFile(const QString &file) { AsciiFile_ = file.trimmed(); }
    TDBcvtDateFormat DateFormat() const { return DateFormat_; }
    void setDateFormat(TDBcvtDateFormat format) { DateFormat_ = format; }
    char DateSeparat() const { return DateSeparat_; }
    void setDateSeparat(char separator) { DateSeparat_ = separator; }
    char TimeSeparat() const { return TimeSeparat_; }
    void setTimeSeparat(char separator) { TimeSeparat_ = separator; }
    char DecimalSeparat() const { return DecimalSeparat_; }
    void setDecimalSeparat(char separator) { DecimalSeparat_ = separator; }
    char Delimiter() const { return parser_.Delimiter; }
    void setDelimiter(char quote) { parser_.Delimiter = quote; }
    TransactionTable *Destination() const { return Destination_; }
    void setDestination(TransactionTable *table) { Destination_ = table; }
    char EndOfRecord() const { return parser_.EndOfRecord; }
    void setEndOfRecord(char c) { parser_.EndOfRecord = c == 0 ? '\r' : c; }
    const QString &ErrorFile() const { return ErrorFile_; }
    void setErrorFile(const QString &file) { ErrorFile_ = file.trimmed(); }
    TDBcvtEscapes Escapes() const { return parser_.Escapes; }
    void setEscapes(TDBcvtEscapes escapes) { parser_.Escapes = escapes; }
    const QStringList &FieldList() const { return FieldList_; }
    void setFieldList(const QStringList &list) { FieldList_ = list; }
    bool FixedWidth() const { return FixedWidth_; }
    void setFixedWidth(bool fixed) { FixedWidth_ = fixed; }
    int MaxRecordErrors() const { return MaxRecordErrors_; }
    void setMaxRecordErrors(int count) { MaxRecordErrors_ = std::max(count, 0); }
    int MaxFieldSize() const { return parser_.MaxFieldSize; }
    void setMaxFieldSize(int size) { parser_.MaxFieldSize = std::max(size, 0); }
    TDBcvtMode Mode() const { return Mode_; }
    void setMode(TDBcvtMode mode) { Mode_ = mode; }
    bool NamesFirst() const { return NamesFirst_; }
    void setNamesFirst(bool namesFirst) { NamesFirst_ = namesFirst; }
    int NotifyCount() const { return NotifyCount_; }
    void setNotifyCount(int count) { NotifyCount_ = count; }
    int RecordLimit() const { return RecordLimit_; }
    void setRecordLimit(int limit) { RecordLimit_ = std::max(limit, 0); }
    char Separator() const { return parser_.Separator; }
    void setSeparator(char separator) { parser_.Separator = separator; }
    int SkipLines() const { return SkipLines_; }
    void setSkipLines(int lines) { SkipLines_ = std::max(lines, 0); }
    const QString &ShowCaption() const { return ShowCaption_; }
    void setShowCaption(const QString &caption) { ShowCaption_ = caption; }
    bool ShowDlg() const { return ShowDlg_; }
    void setShowDlg(bool show) { ShowDlg_ = show; }
    bool WriteEnable() const { return WriteEnable_; }
    void setWriteEnable(bool enable) { WriteEnable_ = enable; }
    void setOnNotifyCount(TNotifyEvent handler) { OnNotifyCount_ = std::move(handler); }
    void setOnParse(TParseEvent handler) { OnParse_ = std::move(handler); }
    void setOnPrePost(TPrePostEvent handler) { OnPrePost_ = std::move(handler); }
    // The window system behind the progress window and the event servicing; none by default.
    void setProgress(TransferProgress *progress) { progress_ = progress; }

    // Outcome of the last transfer.
    quint8 ErrorCode() const { return ErrorCode_; }
    int ErrorRecord() const { return ErrorRecord_; }
    int ErrorField() const { return ErrorField_; }
    // The table store's own text behind codes 1, 12 and 13 (a full disk, say); empty otherwise.
    const QString &ErrorDetail() const { return ErrorDetail_; }
    const TransferCounters &counters() const { return counters_; }
    int RecordsRead() const { return counters_.RecordsRead; }
    int RecordsParsed() const { return counters_.RecordsParsed; }
    int RecordsAppended() const { return counters_.RecordsAppended; }
    int RecordsUpdated() const { return counters_.RecordsUpdated; }
    // True when the main loop ran out of input (or reached RecordLimit) without being stopped.
    bool ranToEnd() const { return ranToEnd_; }
    bool busy() const { return busy_; }

private:
    struct Run;

    void resetOutcome();
    bool checkBeforeStart(QFile &input, QFile &errorFile);
    void runTransfer(Run &run);
    void readNames(Run &run);
    bool openWorkTable(Run &run);
    bool buildStreams(Run &run);
    bool startBulkLoad(Run &run);
    void mainLoop(Run &run);
    int parseRecord(Run &run);
    // Both return false when the main loop must stop at once.
    bool writeRecord(Run &run);
    bool locateExisting(Run &run);
    // Notes a bad record; false means stop.
    bool RecordError(Run &run, int position);
    void showProgress(Run &run);
    void drawProgress(Run &run);
    void cleanUp(Run &run);
    ConversionRules conversionRules() const;

    QString AbortCaption_ = "&Cancel";
    bool AnnotateErrorFile_ = false;
    QString AsciiFile_;
    TDBcvtDateFormat DateFormat_ = dfWindows;
    char DateSeparat_ = '/';
    char TimeSeparat_ = ':';
    char DecimalSeparat_ = '.';
    TransactionTable *Destination_ = nullptr;
    QString ErrorFile_;
    QStringList FieldList_;
    bool FixedWidth_ = false;
    int MaxRecordErrors_ = 1;
    TDBcvtMode Mode_ = mCopy;
    bool NamesFirst_ = false;
    int NotifyCount_ = 100;
    int RecordLimit_ = 0;
    int SkipLines_ = 0;
    QString ShowCaption_ = "Transfer Progress";
    bool ShowDlg_ = false;
    bool WriteEnable_ = true;
    TNotifyEvent OnNotifyCount_;
    TParseEvent OnParse_;
    TPrePostEvent OnPrePost_;
    ParserSettings parser_;
    TransferProgress *progress_ = nullptr;

    quint8 ErrorCode_ = 0;
    int ErrorRecord_ = 0;
    int ErrorField_ = 0;
    QString ErrorDetail_;
    TransferCounters counters_;
    bool ranToEnd_ = false;
    bool busy_ = false;
};
