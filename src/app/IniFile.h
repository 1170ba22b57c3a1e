#pragma once
#include <QString>
#include <QStringList>
#include <vector>

// A small settings file of bracketed sections and key=value lines. Our own reader and writer,
// because the keys we store (such as "NormPos(1024x768)") must survive exactly as written.
// Sections and keys are found without regard to case; lines we do not understand are kept.
class IniFile {
public:
    // A missing, unreadable or oversized file reads as an empty one.
    static IniFile load(const QString &path);
    static IniFile parse(const QByteArray &text);

    // The value with one pair of enclosing quotes removed; empty when missing.
    QString value(const QString &section, const QString &key) const;
    bool contains(const QString &section, const QString &key) const;
    // Replaces the value in place, or appends the key at the end of its section.
    void setValue(const QString &section, const QString &key, const QString &value);

    QByteArray text() const;
    // False when the file cannot be written; the old file is then left as it was.
    bool save(const QString &path) const;

    static constexpr qint64 MaximumSize = 1 << 20;

private:
    struct Line {
        QString text;
        QString section;  // the section the line belongs to
        QString key;      // empty for headers, comments and other lines
    };
    int find(const QString &section, const QString &key) const;
    int endOfSection(const QString &section) const;

    std::vector<Line> lines_;
};
