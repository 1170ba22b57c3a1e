#include "ChunkedInput.h"

#include "EngineError.h"

#include <QIODevice>

ChunkedInput::ChunkedInput(QIODevice &device, int windowSize)
    : device_(device), size_(device.size()), window_(qMax(windowSize, 1), Qt::Uninitialized) {}

void ChunkedInput::seek(qint64 position) { position_ = std::clamp<qint64>(position, 0, size_); }

int ChunkedInput::peekSlow() {
    if (position_ >= size_) return -1;
    load();
    if (position_ >= size_) return -1;
    return static_cast<unsigned char>(window_[position_ - windowStart_]);
}

const char *ChunkedInput::slice(qint64 from, qint64 length) const {
    if (from < windowStart_ || from + length > windowStart_ + windowLength_) return nullptr;
    return window_.constData() + (from - windowStart_);
}

QByteArray ChunkedInput::bytes(qint64 from, qint64 length) {
    if (const char *inWindow = slice(from, length)) return QByteArray(inWindow, length);
    if (!device_.seek(from)) throw EngineError("Could not read the ascii file: " + device_.errorString());
    return device_.read(length);  // shorter when the file shrank meanwhile
}

void ChunkedInput::load() {
    if (device_.pos() != position_ && !device_.seek(position_))
        throw EngineError("Could not read the ascii file: " + device_.errorString());
    const qint64 got = device_.read(window_.data(), window_.size());
    if (got < 0) throw EngineError("Could not read the ascii file: " + device_.errorString());
    windowStart_ = position_;
    windowLength_ = got;
    // The file got shorter while we read it: what is gone is the end.
    if (got == 0) size_ = position_;
}
