#pragma once
#include <QByteArray>
#include <QString>

// Where a layout template's stream starts inside its file, and in which form it is.
enum class TppTemplateFormat { ftBinary, ftASCII };

struct TemplateStream {
    TppTemplateFormat format = TppTemplateFormat::ftBinary;
    qsizetype offset = 0;  // where the signature stands
    QByteArray bytes;      // from the signature to the end of the file
};

// Larger files are refused before they are read: a layout is a few kilobytes.
constexpr qint64 kMaxTemplateFileSize = 8 * 1024 * 1024;

// The whole file. Raises "File not found: <name>" when there is no such file.
QByteArray readTemplateFile(const QString &fileName);

// The stream at `offset` if a signature ("object" or "TPF0") stands there; else at the start
// of the file; else at the position the first four bytes give (signed 32-bit little-endian,
// above 0). Raises "Invalid Template Format" when no signature is found.
TemplateStream locateTemplateStream(const QByteArray &file, qint64 offset);
