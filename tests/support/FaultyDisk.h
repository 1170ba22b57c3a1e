#pragma once
#include <QtGlobal>

struct sqlite3_vfs;

// A disk that fills up or fails on request, for the table files: while an object lives, every
// SQLite connection opened goes through it (it is the default file system then). SQLite sees
// the same answers a real full or broken disk gives it.
class FaultyDisk {
public:
    FaultyDisk();
    ~FaultyDisk();
    FaultyDisk(const FaultyDisk &) = delete;
    FaultyDisk &operator=(const FaultyDisk &) = delete;

    // From now on the files may grow by this many bytes in all; a write that would grow one
    // further fails as on a full disk. Overwriting what a file already holds still works.
    void fillAfter(qint64 bytes);
    // Every write fails as by an I/O error.
    void failWrites();
    // Writes work again.
    void heal();

    // How many writes were refused since the last heal.
    int refusedWrites() const;

private:
    sqlite3_vfs *previousDefault_;
};
