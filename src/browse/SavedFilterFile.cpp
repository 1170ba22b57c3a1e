#include "SavedFilterFile.h"

#include "WholeFile.h"

#include <QFile>
#include <QStringDecoder>

namespace SavedFilterFile {

namespace {

// Far above any list of filters a person keeps; a bigger file is not ours.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

QString decode(const QByteArray &bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// Lines end in CR LF; a lone LF or CR (a hand-edited file) ends a line too.
QStringList splitLines(const QString &text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != '\r' && c != '\n') continue;
        lines << text.mid(start, i - start);
        if (c == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines << text.mid(start);
    return lines;
}

QString boolText(bool value) { return value ? "True" : "False"; }

} // namespace

ReadResult read(const QString &path) {
    ReadResult result;
    QFile file(path);
    if (!file.exists()) {
        result.ok = true;
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QString("Cannot read the saved filters file %1: %2").arg(path, file.errorString());
        return result;
    }
    if (file.size() > MaxFileSize) {
        result.error = QString("Cannot read the saved filters file %1: it is too large").arg(path);
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = QString("Cannot read the saved filters file %1: %2").arg(path, file.errorString());
        return result;
    }
    result.lines = splitLines(decode(bytes));
    result.ok = true;
    return result;
}

QString write(const QString &path, const QStringList &lines) {
    QByteArray bytes;
    for (const QString &line : lines) bytes += line.toUtf8() + "\r\n";
    const QString failure = replaceFileContent(path, bytes);
    return failure.isEmpty() ? QString() : QString("Cannot write the saved filters file %1: %2").arg(path, failure);
}

QString criterionLine(const TwwFieldInfo &c) {
    return QStringList{c.FieldName, c.DisplayLabel, QString::number(int(c.MatchType)), c.FilterValue,
                       c.MinValue, c.MaxValue, boolText(c.CaseSensitive), boolText(c.NonMatching)}
        .join('\t');
}

std::optional<TwwFieldInfo> parseCriterionLine(const QString &line) {
    const QStringList fields = line.split('\t');
    if (fields.size() < 7) return std::nullopt;
    bool numeric = false;
    const uint matchType = fields[2].toUInt(&numeric, 10);
    if (!numeric || matchType > 255) return std::nullopt;
    TwwFieldInfo c;
    c.FieldName = fields[0];
    c.DisplayLabel = fields[1];
    c.MatchType = TwwFilterMatchType(matchType);
    c.FilterValue = fields[3];
    c.MinValue = fields[4];
    c.MaxValue = fields[5];
    c.CaseSensitive = fields[6] == "True";
    c.NonMatching = fields.size() > 7 && fields[7] == "True";
    return c;
}

bool fitsInLine(const QString &text) {
    return !text.contains('\t') && !text.contains('\r') && !text.contains('\n');
}

} // namespace SavedFilterFile
