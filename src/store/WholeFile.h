#pragma once
#include <QByteArray>
#include <QString>

// Replaces a file with new content as a whole: the bytes go to a file beside it, which takes
// its place only once every byte was written. A full disk or a failing write therefore leaves
// the old file as it was. Buffered writes are not used: they can lose the short write that a
// full disk gives and report success for a cut-off file. Returns the reason of a failure,
// empty on success.
QString replaceFileContent(const QString &path, const QByteArray &bytes);
