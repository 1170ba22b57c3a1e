#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The entry point every target defines: one input, as libFuzzer and the corpus replay pass it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// The input as the file the reader under test opens.
inline void writeInput(const QString &path, const uint8_t *data, size_t size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    if (size > 0 && file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size)) std::abort();
}

// A broken promise of the code under test: a finding, like a crash.
inline void require(bool holds) {
    if (!holds) std::abort();
}
