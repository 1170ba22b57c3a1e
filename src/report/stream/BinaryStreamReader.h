#pragma once
#include "StreamTree.h"
#include <QByteArrayView>

// Reads a binary component stream ("TPF0" and one component) into a tree. The bytes are
// untrusted: every length and count is checked against the bytes left, nesting and the
// number of values are bounded, and anything malformed raises the engine's error.
// Bytes after the component are ignored.
StreamComponent readBinaryStream(QByteArrayView data);

inline constexpr char kBinaryStreamSignature[] = "TPF0";
