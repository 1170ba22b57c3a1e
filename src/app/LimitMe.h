#pragma once
#include <QString>
#include <functional>

// The single-instance guard: a marker that lives as long as the process holding it. Here the
// marker is an advisory lock on a file named after Bija in the user's runtime folder, which
// the system drops when the process ends, even after a crash.
class TLimitMe {
public:
    TLimitMe() = default;
    ~TLimitMe();
    TLimitMe(const TLimitMe &) = delete;
    TLimitMe &operator=(const TLimitMe &) = delete;

    QString Bija = "Aum";  // at most 256 characters are used
    bool Terminate = true;
    std::function<void()> BeforeTerminate;
    // Where the marker file lives; empty means the user's runtime folder.
    QString LockDirectory;

    // True when another process holds the marker. The first caller keeps it.
    bool DoIExist();

private:
    QString markerPath() const;

    int handle_ = -1;
};
