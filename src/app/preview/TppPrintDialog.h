#pragma once
#include "PrintDialogRules.h"

#include <QDialog>
#include <functional>

class Prompt;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// "Print": printer, page range, copies with collation and odd/even pages. The rules live in
// PrintDialogRules; the widgets show them and pass on what the person does. Warnings on OK go
// through the prompt, and the dialog stays open after one.
class TppPrintDialog : public QDialog {
    Q_OBJECT
public:
    // Opens the chosen printer's own settings; returns the paper chosen there, if any.
    using PropertiesDialog = std::function<std::optional<PaperChoice>(const QString &printer, QWidget *parent)>;

    TppPrintDialog(PrintDialogRules rules, Prompt &prompt, QWidget *parent = nullptr);

    const PrintDialogRules &rules() const { return rules_; }
    void setPropertiesDialog(PropertiesDialog dialog) { properties_ = std::move(dialog); }

    QComboBox *cbxPrinters() const { return cbxPrinters_; }
    QPushButton *btnPrinterProperties() const { return btnPrinterProperties_; }
    QLabel *lblPrinterName() const { return lblName_; }
    QLabel *lblPrinterType() const { return lblType_; }
    QLabel *lblPrinterWhere() const { return lblWhere_; }
    QRadioButton *rdbAll() const { return rdbAll_; }
    QRadioButton *rdbCurrentPage() const { return rdbCurrentPage_; }
    QRadioButton *rdbPages() const { return rdbPages_; }
    QLineEdit *edtPageRange() const { return edtPageRange_; }
    QSpinBox *edtCopies() const { return edtCopies_; }
    QCheckBox *cbxCollate() const { return cbxCollate_; }
    QLabel *imgCollate() const { return imgCollate_; }
    QComboBox *cbxPrintWhat() const { return cbxPrintWhat_; }
    QPushButton *btnOK() const { return btnOK_; }
    QPushButton *btnCancel() const { return btnCancel_; }

    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildPrinterBox();
    QWidget *buildPageRangeBox();
    QWidget *buildCopiesBox();
    void wire();
    void showRules();
    void openProperties();

    PrintDialogRules rules_;
    Prompt &prompt_;
    PropertiesDialog properties_;

    QComboBox *cbxPrinters_ = nullptr;
    QPushButton *btnPrinterProperties_ = nullptr;
    QLabel *lblName_ = nullptr;
    QLabel *lblType_ = nullptr;
    QLabel *lblWhere_ = nullptr;
    QRadioButton *rdbAll_ = nullptr;
    QRadioButton *rdbCurrentPage_ = nullptr;
    QRadioButton *rdbPages_ = nullptr;
    QLineEdit *edtPageRange_ = nullptr;
    QSpinBox *edtCopies_ = nullptr;
    QCheckBox *cbxCollate_ = nullptr;
    QLabel *imgCollate_ = nullptr;
    QComboBox *cbxPrintWhat_ = nullptr;
    QPushButton *btnOK_ = nullptr;
    QPushButton *btnCancel_ = nullptr;
};
