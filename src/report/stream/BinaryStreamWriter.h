#pragma once
#include "StreamTree.h"

// Writes a tree as a binary component stream: "TPF0" and the component. Raises the
// engine's error for a tree no stream can hold (a name that is not an identifier or is
// longer than 255 bytes, a short string longer than 255 bytes, a number that is not finite).
QByteArray writeBinaryStream(const StreamComponent &root);
