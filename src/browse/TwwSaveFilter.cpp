#include "TwwSaveFilter.h"

#include "Prompt.h"
#include "SavedFilterFile.h"
#include "TwwFilterDialog.h"

TwwSaveFilter::TwwSaveFilter(TwwFilterDialog &filterDialog, Prompt &prompt)
    : wwFilterDialog(filterDialog), prompt_(prompt) {}

bool TwwSaveFilter::readLines(QStringList &lines) {
    SavedFilterFile::ReadResult result = SavedFilterFile::read(FilePath);
    readFailed_ = !result.ok;
    if (!result.ok) {
        prompt_.tell(Prompt::Kind::Error, result.error);
        return false;
    }
    lines = std::move(result.lines);
    return true;
}

bool TwwSaveFilter::writeLines(const QStringList &lines) {
    const QString error = SavedFilterFile::write(FilePath, lines);
    if (error.isEmpty()) return true;
    prompt_.tell(Prompt::Kind::Error, error);
    return false;
}

// A name or criterion text with a line break or tab, or a name equal to the delimiter,
// would be read back as something else; such filters are refused before anything is written.
bool TwwSaveFilter::canStore(const QString &name) {
    if (name == Delimiter || !SavedFilterFile::fitsInLine(name)) {
        prompt_.tell(Prompt::Kind::Warning, "A filter name cannot be /// or contain a tab or a line break.");
        return false;
    }
    for (const TwwFieldInfo &c : wwFilterDialog.FieldInfo) {
        for (const QString *text : {&c.FieldName, &c.DisplayLabel, &c.FilterValue, &c.MinValue, &c.MaxValue}) {
            if (!SavedFilterFile::fitsInLine(*text)) {
                prompt_.tell(Prompt::Kind::Warning, "A filter value cannot contain a tab or a line break.");
                return false;
            }
        }
    }
    return true;
}

bool TwwSaveFilter::StoreNamedFilter(const QString &name) {
    if (name.isEmpty() || !canStore(name)) return false;
    // One read and one write: the replaced filter and the new one change the file together.
    QStringList lines;
    if (!readLines(lines)) return false;
    if (lines.contains(name)) {
        if (OverwriteMessage &&
            !prompt_.confirmed(Prompt::Kind::Warning, "\"" + name + "\" already exists.  Overwrite?"))
            return false;
        removeFrom(lines, name);
    }
    lines << name;
    for (const TwwFieldInfo &criterion : wwFilterDialog.FieldInfo) lines << SavedFilterFile::criterionLine(criterion);
    lines << Delimiter;
    return writeLines(lines);
}

bool TwwSaveFilter::RestoreNamedFilter(const QString &name) {
    QStringList lines;
    if (!readLines(lines)) return false;
    const qsizetype at = lines.indexOf(name);
    if (at < 0) return false;
    wwFilterDialog.ClearCriteria();
    for (qsizetype i = at + 1; i < lines.size() && lines[i] != Delimiter; ++i)
        if (auto criterion = SavedFilterFile::parseCriterionLine(lines[i])) wwFilterDialog.FieldInfo << *criterion;
    wwFilterDialog.refreshTableFields();
    const QStringList unknown = wwFilterDialog.unresolvedLabels();
    if (!unknown.isEmpty())
        prompt_.tell(Prompt::Kind::Warning,
                     "The saved filter refers to a field that does not exist: " + unknown.first() + ".");
    wwFilterDialog.ApplyCriteria();
    return true;
}

int TwwSaveFilter::removeFrom(QStringList &lines, const QString &name) const {
    const qsizetype at = lines.indexOf(name);
    if (at < 0) return -1;
    qsizetype end = at + 1;
    while (end < lines.size() && lines[end] != Delimiter) ++end;
    const bool delimited = end < lines.size();
    lines.remove(at, (delimited ? end + 1 : end) - at);
    return delimited ? 1 : 0;
}

bool TwwSaveFilter::RemoveNamedFilter(const QString &name) {
    QStringList lines;
    if (!readLines(lines)) return false;
    const int removed = removeFrom(lines, name);
    // A file that does not hold the name is left as it is.
    if (removed < 0) return false;
    return writeLines(lines) && removed == 1;
}

bool TwwSaveFilter::ListNamedFilters(QStringList &list) {
    list.clear();
    QStringList lines;
    // A missing file reads as no lines, hence no names.
    if (!readLines(lines)) return false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // A stray delimiter where a name belongs cannot be a name: such names are refused.
        if (lines[i].isEmpty() || lines[i] == Delimiter) continue;
        list << lines[i];
        const qsizetype end = lines.indexOf(Delimiter, i + 1);
        if (end < 0) break;
        i = end;
    }
    return !list.isEmpty();
}

bool TwwSaveFilter::NamedFilterExists(const QString &name) {
    QStringList lines;
    return readLines(lines) && lines.contains(name);
}
