#pragma once
#include <QtGlobal>
#include <sys/resource.h>

// While an object lives, no file this process writes can grow past a size: a write beyond it
// fails (EFBIG) as on a full disk, instead of raising the signal that would end the process.
// For files other than the table, whose writes go through FaultyDisk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};
