#pragma once
#include "ImportTypes.h"
#include "ParsedField.h"

#include <QByteArray>
#include <vector>

class ChunkedInput;

struct ParserSettings {
    char Delimiter = '"';  // the quote character
    char Separator = ',';
    char EndOfRecord = '\n';
    TDBcvtEscapes Escapes;
    bool AllowComments = true;
    int MaxFieldSize = 255;
};

// Reads one record at a time from the input's current position and leaves the position at
// the start of the next record. Bytes are characters: nothing is decoded here. A field is
// sliced out of the input and copied once into its stream; it never holds more than
// MaxFieldSize + 1 bytes and the record text is capped, so a line of any length costs
// bounded memory.
class RecordParser {
public:
    RecordParser(ChunkedInput &input, const ParserSettings &settings)
        : input_(input), settings_(settings), field_(input) {}

    // -1 when a field was too long, otherwise the number of fields found (0 for a blank,
    // comment or skipped line). Fields beyond the streams are counted but not kept.
    int ParseDelimitedRecord(bool skip, std::vector<TFieldStream> &streams);
    // -1 or the number of columns served.
    int ParseFixedRecord(std::vector<TFieldStream> &streams);

    // The raw bytes of the record last parsed, without the character that ended it; read
    // only when asked for, as few records need it.
    const QByteArray &RecordText();

private:
    enum class State { Normal, Quoted, Escape };

    void startRecord(size_t streamCount);
    int endRecord(int result, bool terminated);
    bool skipRecord();
    bool endsRecord(int c) const { return c == settings_.EndOfRecord || c == CtrlZ; }
    bool tooLong() const { return field_.size() > settings_.MaxFieldSize; }
    int next();
    int peek();
    int escaped(int c) const;
    bool normalCharacter(int c, std::vector<TFieldStream> &streams);
    void quotedCharacter(int c, std::vector<TFieldStream> &streams, bool &ended);
    void handOver(std::vector<TFieldStream> &streams);
    void handOverColumn(std::vector<TFieldStream> &streams);
    void dropCarriageReturn();

    static constexpr int CtrlZ = 26;

    ChunkedInput &input_;
    const ParserSettings &settings_;
    qint64 recordStart_ = 0, recordEnd_ = 0;
    qsizetype recordTextLimit_ = 0;
    QByteArray recordText_;
    bool recordTextRead_ = true;
    ParsedField field_;
    int handedOver_ = 0;
    qsizetype quoteMark_ = 0;
    int quoteCount_ = 0;
    bool fieldStart_ = true;
    State state_ = State::Normal;
    State escapedFrom_ = State::Normal;
};
