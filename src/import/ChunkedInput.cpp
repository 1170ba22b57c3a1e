#include "ChunkedInput.h"

#include "EngineError.h"

#include <QIODevice>

ChunkedInput::ChunkedInput(QIODevice &device) : device_(device), size_(device.size()) {}

void ChunkedInput::seek(qint64 position) { position_ = std::clamp<qint64>(position, 0, size_); }

int ChunkedInput::peek() {
    if (position_ >= size_) return -1;
    if (position_ < chunkStart_ || position_ >= chunkStart_ + chunkLength_) load();
    if (position_ >= size_) return -1;
    return chunk_[position_ - chunkStart_];
}

void ChunkedInput::load() {
    if (device_.pos() != position_ && !device_.seek(position_))
        throw EngineError("Could not read the ascii file: " + device_.errorString());
    const qint64 got = device_.read(reinterpret_cast<char *>(chunk_), ChunkSize);
    if (got < 0) throw EngineError("Could not read the ascii file: " + device_.errorString());
    chunkStart_ = position_;
    chunkLength_ = int(got);
    // The file got shorter while we read it: what is gone is the end.
    if (got == 0) size_ = position_;
}
