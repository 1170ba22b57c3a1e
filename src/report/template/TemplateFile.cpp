#include "TemplateFile.h"
#include "EngineError.h"
#include <QFile>
#include <QFileInfo>
#include <optional>

QByteArray readTemplateFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists() || info.isDir())
        throw EngineError("File not found: " + fileName);
    if (info.size() > kMaxTemplateFileSize)
        throw EngineError("Template file too large: " + fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EngineError("Cannot open file " + fileName + ": " + file.errorString());
    // Read at most one byte past the limit, in case the file grew since it was measured.
    QByteArray bytes = file.read(kMaxTemplateFileSize + 1);
    if (bytes.size() > kMaxTemplateFileSize)
        throw EngineError("Template file too large: " + fileName);
    return bytes;
}

namespace {

std::optional<TppTemplateFormat> formatAt(const QByteArray &file, qint64 at)
{
    if (at < 0 || at >= file.size())
        return std::nullopt;
    const QByteArrayView rest = QByteArrayView(file).sliced(at);
    if (rest.startsWith("object"))
        return TppTemplateFormat::ftASCII;
    if (rest.startsWith("TPF0"))
        return TppTemplateFormat::ftBinary;
    return std::nullopt;
}

qint32 leadingInt32(const QByteArray &file)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(file[i]);
    return qint32(value);
}

}  // namespace

TemplateStream locateTemplateStream(const QByteArray &file, qint64 offset)
{
    qint64 start = -1;
    if (formatAt(file, offset))
        start = offset;
    else if (formatAt(file, 0))
        start = 0;
    else if (file.size() >= 4 && leadingInt32(file) > 0 && formatAt(file, leadingInt32(file)))
        start = leadingInt32(file);
    if (start < 0)
        throw EngineError("Invalid Template Format");
    return {*formatAt(file, start), qsizetype(start), file.mid(start)};
}
