#pragma once
#include "ImportFileChooser.h"

class QWidget;

// The open-file dialog of File > Import.
class QtImportFileChooser : public ImportFileChooser {
public:
    explicit QtImportFileChooser(QWidget *parent) : parent_(parent) {}
    std::optional<QString> chooseImportFile() override;

private:
    QWidget *parent_;
};
