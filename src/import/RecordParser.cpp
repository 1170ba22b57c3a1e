#include "RecordParser.h"

#include "ChunkedInput.h"

#include <algorithm>
#include <climits>

void RecordParser::startRecord(size_t streamCount) {
    recordStart_ = recordEnd_ = input_.position();
    recordTextRead_ = false;
    // Room for every column at its longest; anything beyond that is only ever a broken line.
    const qint64 longest = qint64(streamCount + 1) * (qint64(settings_.MaxFieldSize) + 3);
    recordTextLimit_ = qsizetype(std::clamp<qint64>(longest, 64 * 1024, 16 * 1024 * 1024));
    field_.clear();
    handedOver_ = 0;
    quoteMark_ = 0;
    quoteCount_ = 0;
    fieldStart_ = true;
    state_ = escapedFrom_ = State::Normal;
}

// The record's text runs to the character that ended it, or to where parsing stopped.
int RecordParser::endRecord(int result, bool terminated) {
    recordEnd_ = input_.position() - (terminated ? 1 : 0);
    return result;
}

const QByteArray &RecordParser::RecordText() {
    if (!recordTextRead_) {
        recordText_ = input_.bytes(recordStart_, std::min<qint64>(recordEnd_ - recordStart_, recordTextLimit_));
        recordTextRead_ = true;
    }
    return recordText_;
}

// Reading on past the input's window moves it: the field keeps its bytes first.
int RecordParser::next() {
    if (!input_.buffered()) field_.own();
    return input_.next();
}

int RecordParser::peek() {
    if (!input_.buffered()) field_.own();
    return input_.peek();
}

// True when the record ended with its end character.
bool RecordParser::skipRecord() {
    for (int c; (c = next()) >= 0;)
        if (endsRecord(c)) return true;
    return false;
}

// The character an escape stands for, or -1 when that escape is not enabled.
int RecordParser::escaped(int c) const {
    const TDBcvtEscapes &e = settings_.Escapes;
    switch (c) {
    case 'n': return e.contains(esNL) ? '\n' : -1;
    case 'r': return e.contains(esCR) ? '\r' : -1;
    case 't': return e.contains(esHT) ? '\t' : -1;
    case '\\': return e.contains(esBslash) ? '\\' : -1;
    case '\'': return e.contains(esSquote) ? '\'' : -1;
    case '"': return e.contains(esDquote) ? '"' : -1;
    case '?': return e.contains(esQues) ? '?' : -1;
    case '0': return e.contains(esNull) ? 0 : -1;
    default: return -1;
    }
}

void RecordParser::handOver(std::vector<TFieldStream> &streams) {
    if (size_t(handedOver_) < streams.size()) field_.copyTo(streams[handedOver_].Text);
    if (handedOver_ < INT_MAX - 1) ++handedOver_;  // the engine reports the count plus one
    field_.clear();
    fieldStart_ = true;
}

void RecordParser::dropCarriageReturn() {
    if (settings_.EndOfRecord == '\n' && field_.endsWith('\r')) field_.chop(1);
}

// Returns true when the character ended the record.
bool RecordParser::normalCharacter(int c, std::vector<TFieldStream> &streams) {
    if (c == settings_.Separator) {
        handOver(streams);
    } else if (endsRecord(c)) {
        dropCarriageReturn();
        if (handedOver_ > 0 || !field_.isEmpty()) handOver(streams);
        return true;
    } else if (c == settings_.Delimiter && fieldStart_) {
        field_.clear();  // only blanks so far
        quoteCount_ = 1;
        state_ = State::Quoted;
    } else {
        if (c != ' ') fieldStart_ = false;
        field_.appendRead(char(c));
    }
    return false;
}

void RecordParser::quotedCharacter(int c, std::vector<TFieldStream> &streams, bool &ended) {
    if (c == settings_.Delimiter) {
        ++quoteCount_;
        if (quoteCount_ % 2 == 1 && field_.endsWith(settings_.Delimiter)) return;  // doubled quote
        quoteMark_ = field_.size();
        field_.appendRead(char(c));
    } else if (quoteCount_ % 2 == 1) {
        field_.appendRead(char(c));
    } else if (c == settings_.Separator || endsRecord(c)) {
        // After the closing quote: drop it and whatever followed it.
        field_.truncate(quoteMark_);
        state_ = State::Normal;
        ended = normalCharacter(c, streams);
    } else {
        field_.appendRead(char(c));
    }
}

int RecordParser::ParseDelimitedRecord(bool skip, std::vector<TFieldStream> &streams) {
    startRecord(streams.size());
    if (input_.atEnd()) return 0;
    if (skip || (settings_.AllowComments && peek() == ';')) return endRecord(0, skipRecord());
    const bool escapes = !settings_.Escapes.isEmpty();
    for (;;) {
        if (tooLong()) return endRecord(-1, false);
        const int c = next();
        if (c < 0) break;
        if (state_ == State::Escape) {
            state_ = escapedFrom_;
            const int mapped = escaped(c);
            if (mapped >= 0) {
                field_.append(char(mapped));
                continue;
            }
            field_.append('\\');
        } else if (escapes && c == '\\') {
            if (state_ == State::Normal) fieldStart_ = false;
            escapedFrom_ = state_;
            state_ = State::Escape;
            continue;
        }
        bool ended = false;
        if (state_ == State::Quoted) quotedCharacter(c, streams, ended);
        else ended = normalCharacter(c, streams);
        if (ended) return endRecord(handedOver_, true);
    }
    // End of file without an end-of-record character.
    if (state_ == State::Escape) {
        state_ = escapedFrom_;
        field_.append('\\');
    }
    if (!field_.isEmpty()) {
        if (state_ == State::Quoted && quoteCount_ % 2 == 0) field_.truncate(quoteMark_);
        handOver(streams);
    }
    return endRecord(handedOver_, false);
}

void RecordParser::handOverColumn(std::vector<TFieldStream> &streams) {
    if (size_t(handedOver_) < streams.size()) {
        if (streams[handedOver_].Field) field_.copyTo(streams[handedOver_].Text);
        ++handedOver_;
    }
    field_.clear();  // past the last column the characters are dropped
}

int RecordParser::ParseFixedRecord(std::vector<TFieldStream> &streams) {
    startRecord(streams.size());
    if (input_.atEnd()) return 0;
    if (settings_.AllowComments && peek() == ';') return endRecord(0, skipRecord());
    for (;;) {
        if (tooLong()) return endRecord(-1, false);
        const int c = next();
        if (c < 0) break;
        // The carriage return of a line end is not part of the last column.
        if (c == '\r' && settings_.EndOfRecord == '\n' && peek() == '\n') continue;
        if (size_t(handedOver_) < streams.size() && field_.size() >= streams[handedOver_].Width)
            handOverColumn(streams);
        if (endsRecord(c)) {
            if (handedOver_ > 0 || !field_.isEmpty()) handOverColumn(streams);
            return endRecord(handedOver_, true);
        }
        field_.appendRead(char(c));
    }
    if (!field_.isEmpty()) handOverColumn(streams);
    return endRecord(handedOver_, false);
}
