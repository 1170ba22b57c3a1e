#pragma once
#include "StreamTree.h"
#include <QByteArrayView>

// Reads the text form (UTF-8) into a tree. Numbers use "." whatever the locale; a
// number may end in s (single), d (date) or c (currency). The text is untrusted: nesting
// and the number of values are bounded, and anything malformed raises the engine's error
// with the line it was found on. Text after the last end is ignored.
StreamComponent readTextStream(QByteArrayView text);

// The text form turned into the binary form ("TPF0" and the component).
QByteArray textStreamToBinary(QByteArrayView text);
