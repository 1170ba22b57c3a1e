#include "TextArena.h"

#include <algorithm>

namespace {
constexpr size_t blockSize = 1 << 20;
}

quint64 TextArena::store(QByteArrayView utf8) {
    const auto length = size_t(utf8.size());
    if (blocks_.empty() || used_ + length > capacity_) {
        capacity_ = std::max(blockSize, length);
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(capacity_));
        used_ = 0;
    }
    std::copy(utf8.begin(), utf8.end(), blocks_.back().get() + used_);
    const quint64 start = quint64(blocks_.size() - 1) << 32 | used_;
    used_ += length;
    return start;
}

void TextArena::push(QByteArrayView utf8) {
    starts_.push_back(store(utf8));
    lengths_.push_back(quint32(utf8.size()));
}

void TextArena::set(size_t row, const QString &text) {
    const QByteArray utf8 = text.toUtf8();
    starts_[row] = store(utf8);
    lengths_[row] = quint32(utf8.size());
}

QString TextArena::text(size_t row) const {
    if (lengths_[row] == 0) return QString::fromUtf8("", 0);
    const char *block = blocks_[starts_[row] >> 32].get();
    return QString::fromUtf8(block + (starts_[row] & 0xffffffffu), qsizetype(lengths_[row]));
}
