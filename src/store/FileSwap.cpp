#include "FileSwap.h"

#include "EngineError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QByteArray native(const QString &path) { return QFile::encodeName(path); }

[[noreturn]] void fail(const QString &what, const QString &path) {
    throw EngineError(QString("%1: %2. Table: %3").arg(what, QString::fromLocal8Bit(std::strerror(errno)), path));
}

void renameOrFail(const QString &from, const QString &to) {
    if (std::rename(native(from).constData(), native(to).constData()) != 0) fail("Cannot rename the table file", from);
}

} // namespace

namespace FileSwap {

bool exchange(const QString &a, const QString &b) {
#if defined(__linux__) && defined(RENAME_EXCHANGE)
    if (::renameat2(AT_FDCWD, native(a).constData(), AT_FDCWD, native(b).constData(), RENAME_EXCHANGE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP && errno != EOPNOTSUPP)
        fail("Cannot swap the table files", a);
#else
    Q_UNUSED(a);
    Q_UNUSED(b);
#endif
    return false;
}

void swapByLinks(const QString &a, const QString &b, const QString &scratch) {
    QFile::remove(scratch);
    if (::link(native(a).constData(), native(scratch).constData()) != 0) fail("Cannot link the table file", a);
    renameOrFail(b, a);        // a now names b's file; scratch still names a's old one
    renameOrFail(scratch, b);  // b names a's old file
}

void finishInterrupted(const QString &b, const QString &scratch) {
    if (!QFileInfo::exists(scratch)) return;
    // Missing b: the swap stopped before its last rename. Otherwise the scratch name is a
    // spare link to a file that still has its own name.
    if (!QFileInfo::exists(b)) renameOrFail(scratch, b);
    else QFile::remove(scratch);
}

void swap(const QString &a, const QString &b, const QString &scratch) {
    if (!exchange(a, b)) swapByLinks(a, b, scratch);
    syncFolderOf(a);
}

void syncFolderOf(const QString &path) {
    const int folder = ::open(native(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (folder < 0) return;
    ::fsync(folder);
    ::close(folder);
}

} // namespace FileSwap
