#pragma once
#include <QtGlobal>

class QIODevice;

// Byte-wise reading of a random-access device in 255-byte chunks. Positioning inside the chunk
// already read costs nothing, so the parser can set the position back after every record
// without reading the same bytes twice.
class ChunkedInput {
public:
    static constexpr int ChunkSize = 255;

    explicit ChunkedInput(QIODevice &device);

    qint64 size() const { return size_; }
    qint64 position() const { return position_; }
    bool atEnd() const { return position_ >= size_; }
    void seek(qint64 position);

    // The byte at the position (0..255), or -1 at the end.
    int peek();
    int next() {
        const int c = peek();
        if (c >= 0) ++position_;
        return c;
    }

private:
    void load();

    QIODevice &device_;
    qint64 size_ = 0;
    qint64 position_ = 0;
    qint64 chunkStart_ = 0;
    int chunkLength_ = 0;
    unsigned char chunk_[ChunkSize];
};
