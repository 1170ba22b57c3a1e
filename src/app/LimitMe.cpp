#include "LimitMe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TLimitMe::~TLimitMe() {
    if (handle_ >= 0) ::close(handle_);
}

QString TLimitMe::markerPath() const {
    QString directory = LockDirectory;
    if (directory.isEmpty()) directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty()) directory = QDir::tempPath();
    // The name is a marker, not a path: no separators may lead elsewhere.
    QString name = Bija.left(256);
    name.replace('/', '_');
    return QDir(directory).filePath(name);
}

bool TLimitMe::DoIExist() {
    if (handle_ >= 0) return false;  // we already hold it
    const QByteArray path = QFile::encodeName(markerPath());
    const int handle = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (handle < 0) return false;  // no marker can be made: do not stand in the user's way
    if (::flock(handle, LOCK_EX | LOCK_NB) == 0) {
        handle_ = handle;
        return false;
    }
    const bool heldElsewhere = errno == EWOULDBLOCK;
    ::close(handle);
    if (!heldElsewhere) return false;
    if (Terminate && BeforeTerminate) {
        BeforeTerminate();
        QCoreApplication::quit();
    }
    return true;
}
