#pragma once
#include <QString>
#include <ostream>

// Readable failure messages. Every test file includes this, so that all of them print texts
// the same way (a printer seen by only some files would be picked at random by the linker).
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }
