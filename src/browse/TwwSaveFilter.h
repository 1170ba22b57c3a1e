#pragma once
#include <QString>
#include <QStringList>

class Prompt;
class TwwFilterDialog;

// Stores the filter component's criteria under names in one text file and brings them
// back. Every operation reads the whole file and, when it changes it, writes it whole.
class TwwSaveFilter {
public:
    TwwSaveFilter(TwwFilterDialog &filterDialog, Prompt &prompt);

    QString Delimiter = "///";
    QString FilePath;
    bool OverwriteMessage = true;
    TwwFilterDialog &wwFilterDialog;

    // Stores FieldInfo under the name, replacing (after asking) a filter of that name; the
    // stored filter goes to the end. False when nothing was stored.
    bool StoreNamedFilter(const QString &name);
    // Replaces FieldInfo by the stored filter and applies it; false when the name is not
    // stored or the file cannot be read (FieldInfo is then unchanged).
    bool RestoreNamedFilter(const QString &name);
    // True when the filter was removed up to its delimiter line.
    bool RemoveNamedFilter(const QString &name);
    // The stored names in file order; true when there is at least one.
    bool ListNamedFilters(QStringList &list);
    bool NamedFilterExists(const QString &name);
    // Whether the last operation stopped because the file could not be read (the error was
    // shown); a missing file is no failure.
    bool lastReadFailed() const { return readFailed_; }

private:
    bool readLines(QStringList &lines);
    bool writeLines(const QStringList &lines);
    bool canStore(const QString &name);
    // Removes the named filter from the lines; 1 when its delimiter was reached, 0 when
    // the filter ran to the end of the file, -1 when the name is not there.
    int removeFrom(QStringList &lines, const QString &name) const;

    Prompt &prompt_;
    bool readFailed_ = false;
};
