#pragma once
#include <QString>
#include <optional>

// The file chooser of the import: "Import Files" (*.csv) and "All Files" (*.*), default
// extension csv. The window program shows a dialog; a command line names the file.
class ImportFileChooser {
public:
    virtual ~ImportFileChooser() = default;
    // The chosen file's full name, or nothing when the user cancelled.
    virtual std::optional<QString> chooseImportFile() = 0;
};
