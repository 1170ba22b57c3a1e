#pragma once
#include <QByteArray>
#include <QtGlobal>

class QIODevice;

// Byte-wise reading of a random-access device through a large window of it. Reading and
// positioning inside the window cost nothing, and the bytes in it can be sliced out whole,
// so the parser copies a field once instead of collecting it byte by byte.
class ChunkedInput {
public:
    static constexpr int DefaultWindow = 1 << 20;

    explicit ChunkedInput(QIODevice &device, int windowSize = DefaultWindow);

    qint64 size() const { return size_; }
    qint64 position() const { return position_; }
    bool atEnd() const { return position_ >= size_; }
    void seek(qint64 position);

    // True when the byte at the position is in the window: reading it moves nothing.
    bool buffered() const { return position_ >= windowStart_ && position_ < windowStart_ + windowLength_; }
    // The byte at the position (0..255), or -1 at the end.
    int peek() {
        if (buffered()) return static_cast<unsigned char>(window_[position_ - windowStart_]);
        return peekSlow();
    }
    int next() {
        const int c = peek();
        if (c >= 0) ++position_;
        return c;
    }
    // The bytes [from, from + length) while they are in the window, else nullptr.
    const char *slice(qint64 from, qint64 length) const;
    // The same bytes wherever they are, read from the device when the window has moved on.
    QByteArray bytes(qint64 from, qint64 length);

private:
    int peekSlow();
    void load();

    QIODevice &device_;
    qint64 size_ = 0;
    qint64 position_ = 0;
    qint64 windowStart_ = 0;
    qint64 windowLength_ = 0;
    QByteArray window_;
};
