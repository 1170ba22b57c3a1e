#include "IniFile.h"

#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool isHeader(const QString &trimmed) { return trimmed.startsWith('[') && trimmed.endsWith(']'); }

bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool isQuoted(const QString &value) {
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
}

} // namespace

IniFile IniFile::load(const QString &path) {
    QFile file(path);
    if (file.size() > MaximumSize || !file.open(QIODevice::ReadOnly)) return {};
    return parse(file.read(MaximumSize));
}

IniFile IniFile::parse(const QByteArray &text) {
    IniFile ini;
    QString section;
    for (const QString &raw : QString::fromUtf8(text).split('\n')) {
        QString line = raw;
        if (line.endsWith('\r')) line.chop(1);
        const QString trimmed = line.trimmed();
        Line entry{line, section, {}};
        if (isHeader(trimmed)) {
            section = trimmed.mid(1, trimmed.size() - 2).trimmed();
            entry.section = section;
        } else if (!trimmed.startsWith(';') && trimmed.indexOf('=') > 0) {
            entry.key = trimmed.left(trimmed.indexOf('=')).trimmed();
        }
        ini.lines_.push_back(entry);
    }
    // The split leaves an empty last piece behind the final line break.
    if (!ini.lines_.empty() && ini.lines_.back().text.isEmpty()) ini.lines_.pop_back();
    return ini;
}

int IniFile::find(const QString &section, const QString &key) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (!lines_[i].key.isEmpty() && sameName(lines_[i].section, section) && sameName(lines_[i].key, key))
            return int(i);
    return -1;
}

bool IniFile::contains(const QString &section, const QString &key) const { return find(section, key) >= 0; }

QString IniFile::value(const QString &section, const QString &key) const {
    const int i = find(section, key);
    if (i < 0) return {};
    const QString &text = lines_[i].text;
    QString value = text.mid(text.indexOf('=') + 1).trimmed();
    if (isQuoted(value)) value = value.mid(1, value.size() - 2);
    return value;
}

int IniFile::endOfSection(const QString &section) const {
    int end = -1;
    for (size_t i = 0; i < lines_.size(); ++i)
        if (sameName(lines_[i].section, section) && !lines_[i].text.trimmed().isEmpty()) end = int(i);
    return end;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value) {
    // A value that is itself quoted gets one more pair, so that reading gives it back whole.
    const QString stored = isQuoted(value) ? '"' + value + '"' : value;
    Line line{key + '=' + stored, section, key};
    const int existing = find(section, key);
    if (existing >= 0) {
        lines_[existing] = line;
        return;
    }
    int end = endOfSection(section);
    if (end < 0) {
        if (!lines_.empty() && !lines_.back().text.trimmed().isEmpty()) lines_.push_back({{}, lines_.back().section, {}});
        lines_.push_back({'[' + section + ']', section, {}});
        end = int(lines_.size()) - 1;
    }
    lines_.insert(lines_.begin() + end + 1, line);
}

QByteArray IniFile::text() const {
    QByteArray out;
    for (const Line &line : lines_) out += line.text.toUtf8() + '\n';
    return out;
}

bool IniFile::save(const QString &path) const {
    // A read-only file stays untouched even where its folder would allow replacing it.
    const QFileInfo info(path);
    if (info.exists() && !info.isWritable()) return false;
    return replaceFileContent(path, text()).isEmpty();
}
