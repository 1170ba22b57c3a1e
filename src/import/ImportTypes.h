#pragma once
#include <QByteArray>
#include <QtGlobal>
#include <initializer_list>

class TableField;

// Backslash escapes that may be decoded inside fields.
enum TDBcvtEscape { esNL, esCR, esHT, esBslash, esSquote, esDquote, esQues, esNull };

class TDBcvtEscapes {
public:
    TDBcvtEscapes() = default;
    TDBcvtEscapes(std::initializer_list<TDBcvtEscape> escapes) {
        for (TDBcvtEscape escape : escapes) bits_ |= quint8(1u << escape);
    }
    bool contains(TDBcvtEscape escape) const { return bits_ & (1u << escape); }
    bool isEmpty() const { return bits_ == 0; }
    bool operator==(const TDBcvtEscapes &) const = default;

private:
    quint8 bits_ = 0;
};

// How records reach the table.
enum TDBcvtMode { mCopy, mAppend, mUpdate, mAppendUpdate };

// Field order of date texts; dfBCD is eight digits yyyymmdd.
enum TDBcvtDateFormat { dfWindows, dfMDY, dfDMY, dfYMD, dfBCD };

// One field of a record as the parser hands it over: the raw bytes of its text, the column
// width in fixed-width mode, and the table field it goes to (none for a skipped column or
// when nothing is written).
struct TFieldStream {
    quint16 Width = 0;
    QByteArray Text;
    TableField *Field = nullptr;
};
