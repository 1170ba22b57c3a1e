#include "PreviousTable.h"

#include "EngineError.h"
#include "FileSwap.h"
#include "TableDatabase.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString scratchFor(const QString &keptPath) { return keptPath + ".swap"; }

[[noreturn]] void copyFailed(const QString &path) {
    throw EngineError(QString("Cannot keep a copy of the table before the import: %1. Table: %2")
                          .arg(QString::fromLocal8Bit(std::strerror(errno)), path));
}

// A whole-file copy, done by the kernel where it can, written to disk before it returns.
void copyFile(const QString &from, const QString &to) {
    struct Descriptor {
        int fd;
        ~Descriptor() {
            if (fd >= 0) ::close(fd);
        }
    };
    const Descriptor in{::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC)};
    if (in.fd < 0) copyFailed(from);
    const Descriptor out{::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600)};
    if (out.fd < 0) copyFailed(to);
    struct stat info {};
    if (::fstat(in.fd, &info) != 0) copyFailed(from);
    off_t left = info.st_size;
    bool kernelCopy = true;
    char buffer[1 << 16];
    while (left > 0) {
        ssize_t done = kernelCopy ? ::copy_file_range(in.fd, nullptr, out.fd, nullptr, size_t(left), 0) : -1;
        if (done < 0 && kernelCopy && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
            kernelCopy = false;
            continue;
        }
        if (!kernelCopy) {
            done = ::read(in.fd, buffer, sizeof buffer);
            if (done > 0 && ::write(out.fd, buffer, size_t(done)) != done) copyFailed(to);
        }
        if (done < 0 && errno == EINTR) continue;
        if (done < 0) copyFailed(to);
        if (done == 0) break;  // the file shrank meanwhile: nothing more to read
        left -= done;
    }
    if (::fsync(out.fd) != 0) copyFailed(to);
}

} // namespace

namespace PreviousTable {

QString nameFor(const QString &tableName) {
    const qsizetype dot = tableName.lastIndexOf('.');
    return dot < 0 ? tableName + ".previous" : tableName.left(dot) + ".previous" + tableName.mid(dot);
}

bool exists(TableDatabase &database, const QString &tableName) {
    const QString kept = database.tablePath(nameFor(tableName));
    FileSwap::finishInterrupted(kept, scratchFor(kept));
    return QFileInfo::exists(kept);
}

void restore(TableDatabase &database, const QString &tableName) {
    const QString current = database.tablePath(tableName);
    const QString kept = database.tablePath(nameFor(tableName));
    if (database.isHeld(tableName)) throw EngineError("Cannot restore a table that is open. Table: " + current);
    FileSwap::finishInterrupted(kept, scratchFor(kept));
    database.checkTable(nameFor(tableName));
    // Opening settles what an interrupted change left in the table's journal; a journal left
    // behind must not be played into the other file once the names are swapped.
    try {
        database.checkTable(tableName);
    } catch (const TableLockedError &) {
        throw;
    } catch (const EngineError &) {
        // A damaged current table is no reason to keep the user from the previous one.
    }
    for (const QString &path : {current, kept}) QFile::remove(path + "-journal");
    FileSwap::swap(current, kept, scratchFor(kept));
}

Copy::Copy(TableDatabase &database, const QString &tableName)
    : copy_(database.tablePath(nameFor(tableName)) + ".new"), kept_(database.tablePath(nameFor(tableName))) {
    QFile::remove(copy_);
    copyFile(database.tablePath(tableName), copy_);
}

Copy::~Copy() {
    if (!done_) QFile::remove(copy_);
}

void Copy::keep() {
    if (std::rename(QFile::encodeName(copy_).constData(), QFile::encodeName(kept_).constData()) != 0)
        copyFailed(kept_);
    done_ = true;
    FileSwap::syncFolderOf(kept_);
}

} // namespace PreviousTable
