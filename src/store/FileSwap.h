#pragma once
#include <QString>

// Swapping two files so that a crash at any moment leaves both names holding a whole file.
namespace FileSwap {

// Exchanges the two names in one step; false when the file system cannot (nothing changed).
bool exchange(const QString &a, const QString &b);

// The same with hard links and renames, for file systems without the one-step exchange:
// `a` always names a whole file, and the name `b` is missing only between the last two steps,
// while `scratch` holds its new file (finishInterrupted puts it in place).
void swapByLinks(const QString &a, const QString &b, const QString &scratch);

// Completes or clears what an interrupted swapByLinks left behind.
void finishInterrupted(const QString &b, const QString &scratch);

// exchange, or swapByLinks where that is not possible; then makes the new names durable.
void swap(const QString &a, const QString &b, const QString &scratch);

// Writes the folder's entries to disk, so that renames in it survive a power loss.
void syncFolderOf(const QString &path);

} // namespace FileSwap
