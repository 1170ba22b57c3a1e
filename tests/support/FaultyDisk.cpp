#include "FaultyDisk.h"

#include <sqlite3.h>

#include <cstring>
#include <stdexcept>

namespace {

enum class Fault { None, Full, Failing };

struct DiskState {
    Fault fault = Fault::None;
    sqlite3_int64 room = 0;
    int refused = 0;
    sqlite3_vfs *base = nullptr;
    sqlite3_vfs vfs{};
} disk;

// Our handle, followed in the same allocation by the real file system's handle.
struct FaultyFile {
    sqlite3_file handle;
};

sqlite3_file *real(sqlite3_file *file) { return reinterpret_cast<sqlite3_file *>(reinterpret_cast<FaultyFile *>(file) + 1); }

int refuse(int code) {
    ++disk.refused;
    return code;
}

int faultyWrite(sqlite3_file *file, const void *data, int amount, sqlite3_int64 offset) {
    sqlite3_file *inner = real(file);
    if (disk.fault == Fault::Failing) return refuse(SQLITE_IOERR_WRITE);
    if (disk.fault == Fault::Full) {
        sqlite3_int64 size = 0;
        if (inner->pMethods->xFileSize(inner, &size) != SQLITE_OK) return SQLITE_IOERR_FSTAT;
        const sqlite3_int64 growth = offset + amount - size;
        if (growth > disk.room) return refuse(SQLITE_FULL);
        if (growth > 0) disk.room -= growth;
    }
    return inner->pMethods->xWrite(inner, data, amount, offset);
}

int faultyClose(sqlite3_file *file) {
    sqlite3_file *inner = real(file);
    return inner->pMethods ? inner->pMethods->xClose(inner) : SQLITE_OK;
}
int faultyRead(sqlite3_file *file, void *data, int amount, sqlite3_int64 offset) {
    return real(file)->pMethods->xRead(real(file), data, amount, offset);
}
int faultyTruncate(sqlite3_file *file, sqlite3_int64 size) { return real(file)->pMethods->xTruncate(real(file), size); }
int faultySync(sqlite3_file *file, int flags) {
    if (disk.fault == Fault::Failing) return refuse(SQLITE_IOERR_FSYNC);
    return real(file)->pMethods->xSync(real(file), flags);
}
int faultyFileSize(sqlite3_file *file, sqlite3_int64 *size) { return real(file)->pMethods->xFileSize(real(file), size); }
int faultyLock(sqlite3_file *file, int level) { return real(file)->pMethods->xLock(real(file), level); }
int faultyUnlock(sqlite3_file *file, int level) { return real(file)->pMethods->xUnlock(real(file), level); }
int faultyCheckReservedLock(sqlite3_file *file, int *out) {
    return real(file)->pMethods->xCheckReservedLock(real(file), out);
}
int faultyFileControl(sqlite3_file *file, int op, void *arg) {
    return real(file)->pMethods->xFileControl(real(file), op, arg);
}
int faultySectorSize(sqlite3_file *file) { return real(file)->pMethods->xSectorSize(real(file)); }
int faultyDeviceCharacteristics(sqlite3_file *file) {
    return real(file)->pMethods->xDeviceCharacteristics(real(file));
}

// Version 1 only: without shared-memory methods SQLite keeps to the rollback journal, which
// is what the table uses.
const sqlite3_io_methods faultyMethods = {
    1, faultyClose, faultyRead, faultyWrite, faultyTruncate, faultySync, faultyFileSize, faultyLock, faultyUnlock,
    faultyCheckReservedLock, faultyFileControl, faultySectorSize, faultyDeviceCharacteristics,
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};

int faultyOpen(sqlite3_vfs *, sqlite3_filename name, sqlite3_file *file, int flags, int *outFlags) {
    sqlite3_file *inner = real(file);
    std::memset(inner, 0, size_t(disk.base->szOsFile));
    const int rc = disk.base->xOpen(disk.base, name, inner, flags, outFlags);
    file->pMethods = rc == SQLITE_OK ? &faultyMethods : nullptr;
    return rc;
}

} // namespace

FaultyDisk::FaultyDisk() : previousDefault_(sqlite3_vfs_find(nullptr)) {
    if (disk.base) throw std::logic_error("one faulty disk at a time");
    sqlite3_initialize();
    disk = {};
    disk.base = previousDefault_;
    disk.vfs = *disk.base;  // the base's own functions for everything but opening files
    disk.vfs.pNext = nullptr;
    disk.vfs.zName = "faulty-disk";
    disk.vfs.szOsFile = int(sizeof(FaultyFile)) + disk.base->szOsFile;
    disk.vfs.xOpen = faultyOpen;
    sqlite3_vfs_register(&disk.vfs, 1);
}

FaultyDisk::~FaultyDisk() {
    sqlite3_vfs_unregister(&disk.vfs);
    sqlite3_vfs_register(previousDefault_, 1);
    disk.base = nullptr;
}

void FaultyDisk::fillAfter(qint64 bytes) {
    disk.fault = Fault::Full;
    disk.room = bytes;
}

void FaultyDisk::failWrites() { disk.fault = Fault::Failing; }

void FaultyDisk::heal() {
    disk.fault = Fault::None;
    disk.refused = 0;
}

int FaultyDisk::refusedWrites() const { return disk.refused; }
