#pragma once
#include <QByteArray>

class ChunkedInput;

// The text of the field being parsed. While its bytes are the input's own bytes in a row it
// is only a slice of the input's window; it takes a copy of them once they are not (a doubled
// quote, an escape) or before the window moves on (own()).
class ParsedField {
public:
    explicit ParsedField(ChunkedInput &input) : input_(input) {}

    qsizetype size() const { return sliced_ ? qsizetype(to_ - from_) : owned_.size(); }
    bool isEmpty() const { return size() == 0; }
    bool endsWith(char c) const;

    void clear();
    // The byte the input has just read, at the position before its current one.
    void appendRead(char c);
    // A byte that is not the input's next one.
    void append(char c);
    void truncate(qsizetype length);
    void chop(qsizetype length) { truncate(size() - length); }
    void own();
    // Puts the text into `text`, reusing its room.
    void copyTo(QByteArray &text) const;

private:
    const char *data() const;

    ChunkedInput &input_;
    bool sliced_ = true;
    qint64 from_ = 0, to_ = 0;  // the slice of the input while sliced
    QByteArray owned_;
};
