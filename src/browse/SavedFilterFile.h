#pragma once
#include "TwwFieldInfo.h"

#include <QString>
#include <QStringList>
#include <optional>

// The saved-filters file as lines of text: each filter is a name line, one tab-separated
// line per criterion and a delimiter line; every line ends in CR LF.
namespace SavedFilterFile {

struct ReadResult {
    bool ok = false;
    QStringList lines;
    QString error;  // when not ok
};

// A missing file reads as no lines. UTF-8 is expected; a file that is not valid UTF-8 was
// written by something else and is read as Latin-1, so no byte is lost.
ReadResult read(const QString &path);
// Replaces the file as a whole, so a failed write leaves the old file in place. Returns the
// error text, empty on success.
QString write(const QString &path, const QStringList &lines);

QString criterionLine(const TwwFieldInfo &criterion);
// Lines of fewer than seven fields or with a match type that is no number 0..255 give
// nothing; a seven-field line has NonMatching false.
std::optional<TwwFieldInfo> parseCriterionLine(const QString &line);

// Whether the text can be stored in a line: no tab, carriage return or line feed.
bool fitsInLine(const QString &text);

} // namespace SavedFilterFile
