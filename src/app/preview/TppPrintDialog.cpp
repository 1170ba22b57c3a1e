#include "TppPrintDialog.h"

#include "CollatePicture.h"
#include "Prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

template <class Widget, class... Args> Widget *named(const char *name, Args &&...args) {
    auto *widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

} // namespace

TppPrintDialog::TppPrintDialog(PrintDialogRules rules, Prompt &prompt, QWidget *parent)
    : QDialog(parent), rules_(std::move(rules)), prompt_(prompt) {
    setObjectName("ppPrintDialog");
    setWindowTitle("Print");
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);  // a fixed border
    layout->addWidget(buildPrinterBox());
    auto *middle = new QHBoxLayout;
    middle->addWidget(buildPageRangeBox(), 1);
    middle->addWidget(buildCopiesBox());
    layout->addLayout(middle);

    auto *bottom = new QHBoxLayout;
    auto *printLabel = new QLabel("P&rint:", this);
    cbxPrintWhat_ = named<QComboBox>("cbxPrintWhat", this);
    cbxPrintWhat_->addItems({"All pages in range", "Odd pages", "Even pages"});
    printLabel->setBuddy(cbxPrintWhat_);
    bottom->addWidget(printLabel);
    bottom->addWidget(cbxPrintWhat_);
    bottom->addStretch(1);
    btnOK_ = named<QPushButton>("btnOK", "OK", this);
    btnOK_->setDefault(true);
    btnCancel_ = named<QPushButton>("btnCancel", "Cancel", this);
    bottom->addWidget(btnOK_);
    bottom->addWidget(btnCancel_);
    layout->addLayout(bottom);
    wire();
    showRules();
}

QWidget *TppPrintDialog::buildPrinterBox() {
    auto *box = named<QGroupBox>("grpPrinter", "Printer", this);
    auto *grid = new QGridLayout(box);
    lblName_ = named<QLabel>("lblPrinterName", "&Name:", box);
    cbxPrinters_ = named<QComboBox>("cbxPrinters", box);
    cbxPrinters_->setMinimumWidth(260);
    for (const PrinterDescription &printer : rules_.printers()) cbxPrinters_->addItem(printer.name);
    lblName_->setBuddy(cbxPrinters_);
    btnPrinterProperties_ = named<QPushButton>("btnPrinterProperties", "&Properties", box);
    lblType_ = named<QLabel>("lblPrinterType", box);
    lblWhere_ = named<QLabel>("lblPrinterWhere", box);
    grid->addWidget(lblName_, 0, 0);
    grid->addWidget(cbxPrinters_, 0, 1);
    grid->addWidget(btnPrinterProperties_, 0, 2);
    grid->addWidget(new QLabel("Type:", box), 1, 0);
    grid->addWidget(lblType_, 1, 1, 1, 2);
    grid->addWidget(new QLabel("Where:", box), 2, 0);
    grid->addWidget(lblWhere_, 2, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    if (!rules_.hasPrinters()) {
        cbxPrinters_->hide();
        btnPrinterProperties_->hide();
        lblName_->setText(PrintDialogRules::noPrintersText);
        grid->addWidget(lblName_, 0, 0, 1, 3);
    }
    return box;
}

QWidget *TppPrintDialog::buildPageRangeBox() {
    auto *box = named<QGroupBox>("grpPageRange", "Page range", this);
    auto *grid = new QGridLayout(box);
    rdbAll_ = named<QRadioButton>("rdbAll", "&All", box);
    rdbCurrentPage_ = named<QRadioButton>("rdbCurrentPage", "Curre&nt page", box);
    rdbPages_ = named<QRadioButton>("rdbPages", "Pa&ges:", box);
    edtPageRange_ = named<QLineEdit>("edtPageRange", box);
    edtPageRange_->installEventFilter(this);
    auto *hint = named<QLabel>("lblPageRangeHint", PrintDialogRules::pageRangeHint, box);
    hint->setWordWrap(true);
    hint->setMaximumWidth(260);
    grid->addWidget(rdbAll_, 0, 0, 1, 2);
    grid->addWidget(rdbCurrentPage_, 1, 0, 1, 2);
    grid->addWidget(rdbPages_, 2, 0);
    grid->addWidget(edtPageRange_, 2, 1);
    grid->addWidget(hint, 3, 0, 1, 2);
    return box;
}

QWidget *TppPrintDialog::buildCopiesBox() {
    auto *box = named<QGroupBox>("grpCopies", "Copies", this);
    auto *grid = new QGridLayout(box);
    auto *label = new QLabel("Number of &copies", box);
    edtCopies_ = named<QSpinBox>("edtCopies", box);
    edtCopies_->setRange(1, 999);  // three characters, stepped by the arrows
    label->setBuddy(edtCopies_);
    cbxCollate_ = named<QCheckBox>("cbxCollate", "Colla&te", box);
    imgCollate_ = named<QLabel>("imgCollate", box);
    grid->addWidget(label, 0, 0);
    grid->addWidget(edtCopies_, 0, 1);
    grid->addWidget(imgCollate_, 1, 0);
    grid->addWidget(cbxCollate_, 1, 1);
    return box;
}

void TppPrintDialog::wire() {
    connect(cbxPrinters_, &QComboBox::currentIndexChanged, this, [this](int index) {
        rules_.choosePrinter(index);
        showRules();
    });
    connect(btnPrinterProperties_, &QPushButton::clicked, this, &TppPrintDialog::openProperties);
    connect(rdbAll_, &QRadioButton::clicked, this, [this] {
        rules_.choosePageRange(PageRangeChoice::All);
        showRules();
    });
    connect(rdbCurrentPage_, &QRadioButton::clicked, this, [this] {
        rules_.choosePageRange(PageRangeChoice::CurrentPage);
        showRules();
    });
    connect(rdbPages_, &QRadioButton::clicked, this, [this] {
        rules_.choosePageRange(PageRangeChoice::Pages);
        showRules();
    });
    connect(edtPageRange_, &QLineEdit::textEdited, this, [this](const QString &text) {
        rules_.setPageRangeText(text);
        showRules();
    });
    connect(edtCopies_, &QSpinBox::valueChanged, this, [this](int copies) { rules_.setCopies(copies); });
    connect(cbxCollate_, &QCheckBox::toggled, this, [this](bool on) {
        rules_.setCollate(on);
        showRules();
    });
    connect(cbxPrintWhat_, &QComboBox::currentIndexChanged, this,
            [this](int index) { rules_.setPrintWhat(PrintWhatChoice(std::clamp(index, 0, 2))); });
    connect(btnOK_, &QPushButton::clicked, this, &TppPrintDialog::accept);
    connect(btnCancel_, &QPushButton::clicked, this, &TppPrintDialog::reject);
}

void TppPrintDialog::showRules() {
    const QSignalBlocker printers(cbxPrinters_), copies(edtCopies_), collate(cbxCollate_), what(cbxPrintWhat_);
    cbxPrinters_->setCurrentIndex(rules_.printerIndex());
    lblType_->setText(rules_.printerType());
    lblWhere_->setText(rules_.printerLocation());
    rdbAll_->setChecked(rules_.pageRange() == PageRangeChoice::All);
    rdbCurrentPage_->setChecked(rules_.pageRange() == PageRangeChoice::CurrentPage);
    rdbPages_->setChecked(rules_.pageRange() == PageRangeChoice::Pages);
    if (edtPageRange_->text() != rules_.pageRangeText()) edtPageRange_->setText(rules_.pageRangeText());
    edtCopies_->setValue(rules_.copies());
    cbxCollate_->setChecked(rules_.collate());
    imgCollate_->setPixmap(collatePicture(rules_.collate()));
    cbxPrintWhat_->setCurrentIndex(int(rules_.printWhat()));
}

// Clicking into the page list chooses "Pages".
bool TppPrintDialog::eventFilter(QObject *watched, QEvent *event) {
    if (watched == edtPageRange_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress)) {
        rules_.enterPageRangeEdit();
        showRules();
    }
    return QDialog::eventFilter(watched, event);
}

// Centred on the screen, not on the window.
void TppPrintDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (const QScreen *shown = screen()) {
        QRect frame(QPoint(), frameGeometry().size());
        frame.moveCenter(shown->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TppPrintDialog::openProperties() {
    if (!properties_ || !rules_.hasPrinters()) return;
    if (const std::optional<PaperChoice> paper = properties_(rules_.printerName(), this)) rules_.setPaper(*paper);
}

void TppPrintDialog::accept() {
    // A copies box left half-typed counts as what it shows.
    edtCopies_->interpretText();
    rules_.setCopies(edtCopies_->value());
    if (const std::optional<QString> refusal = rules_.accept()) {
        prompt_.tell(Prompt::Kind::Warning, *refusal);
        return;
    }
    QDialog::accept();
}
