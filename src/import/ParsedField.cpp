#include "ParsedField.h"

#include "ChunkedInput.h"

#include <cstring>

const char *ParsedField::data() const { return sliced_ ? input_.slice(from_, to_ - from_) : owned_.constData(); }

bool ParsedField::endsWith(char c) const { return !isEmpty() && data()[size() - 1] == c; }

void ParsedField::clear() {
    sliced_ = true;
    from_ = to_ = 0;
    owned_.resize(0);  // keeps its room for the next field that needs it
}

void ParsedField::appendRead(char c) {
    const qint64 at = input_.position() - 1;
    if (sliced_ && from_ == to_) from_ = to_ = at;
    if (sliced_ && to_ == at) {
        ++to_;
        return;
    }
    append(c);
}

void ParsedField::append(char c) {
    own();
    owned_.append(c);
}

void ParsedField::truncate(qsizetype length) {
    if (length >= size()) return;
    if (sliced_) to_ = from_ + std::max<qsizetype>(length, 0);
    else owned_.truncate(length);
}

void ParsedField::own() {
    if (!sliced_) return;
    owned_.resize(0);
    if (to_ > from_) owned_.append(input_.slice(from_, to_ - from_), to_ - from_);
    sliced_ = false;
}

void ParsedField::copyTo(QByteArray &text) const {
    const qsizetype length = size();
    text.resize(length);
    if (length > 0) std::memcpy(text.data(), data(), size_t(length));
}
