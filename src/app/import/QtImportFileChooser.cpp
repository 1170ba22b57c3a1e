#include "QtImportFileChooser.h"

#include <QFileDialog>

std::optional<QString> QtImportFileChooser::chooseImportFile() {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({"Import Files (*.csv)", "All Files (*.*)"});
    dialog.setDefaultSuffix("csv");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}
