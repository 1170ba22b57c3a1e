// The two tool bars of the main window and the wiring of their controls.
#include "DatePicker.h"
#include "AccountList.h"
#include "MainForm.h"
#include "RightClickMenu.h"
#include "ToolbarGlyphs.h"
#include "TwwKeyComboBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {

QToolBar *toolbar(QWidget *owner, const char *name) {
    auto *bar = new QToolBar(name, owner);
    bar->setObjectName(name);
    bar->setIconSize(QSize(16, 16));
    return bar;
}

QToolButton *speedButton(QToolBar *bar, const char *name, const QString &hint, const QIcon &glyph) {
    auto *button = new QToolButton(bar);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setIcon(glyph);
    button->setAutoRaise(true);
    button->setFixedSize(24, 24);
    bar->addWidget(button);
    return button;
}

// 37 × 19 at the design font; wider where this font needs more room for the fullest text.
QLineEdit *maskedEdit(QToolBar *bar, const char *name, const QString &mask, const QString &fullest) {
    auto *edit = new QLineEdit(bar);
    edit->setObjectName(name);
    edit->setInputMask(mask);
    edit->setTextMargins(0, 0, 0, 0);
    const int frame = 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) + 4;
    edit->setFixedSize(std::max(37, edit->fontMetrics().horizontalAdvance(fullest) + frame), 19);
    edit->setFocusPolicy(Qt::ClickFocus);  // no tab stop
    bar->addWidget(edit);
    return edit;
}

QLabel *toolbarLabel(QToolBar *bar, const char *name, const QString &caption) {
    auto *label = new QLabel(caption, bar);
    label->setObjectName(name);
    bar->addWidget(label);
    return label;
}

QCheckBox *toolbarCheckBox(QToolBar *bar, const char *name, const QString &caption, int width) {
    auto *box = new QCheckBox(caption, bar);
    box->setObjectName(name);
    box->setMinimumWidth(width);
    bar->addWidget(box);
    return box;
}

} // namespace

void TMainForm::buildReportToolbar() {
    Toolbar3_ = toolbar(this, "Toolbar3");
    ToolbarButton2_ = new QToolButton(Toolbar3_);
    ToolbarButton2_->setObjectName("ToolbarButton2");
    ToolbarButton2_->setText("&Print Report");
    ToolbarButton2_->setIcon(ToolbarGlyphs::printer());
    ToolbarButton2_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ToolbarButton2_->setAutoRaise(true);
    ToolbarButton2_->setFixedSize(110, 22);
    Toolbar3_->addWidget(ToolbarButton2_);
    Toolbar3_->addSeparator();
    buildPreviewButtons();
    Toolbar3_->addSeparator();

    AdvFilterBtn_ = new QToolButton(Toolbar3_);
    AdvFilterBtn_->setObjectName("AdvFilterBtn");
    AdvFilterBtn_->setText("Advanced Filter");
    AdvFilterBtn_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    AdvFilterBtn_->setPopupMode(QToolButton::MenuButtonPopup);
    AdvFilterBtn_->setMenu(PopupMenu2_);
    AdvFilterBtn_->setAutoRaise(true);
    AdvFilterBtn_->setMinimumWidth(107);
    Toolbar3_->addWidget(AdvFilterBtn_);
    addToolBar(Qt::TopToolBarArea, Toolbar3_);
    wireReportToolbar();
}

void TMainForm::buildPreviewButtons() {
    spbPreviewWhole_ = speedButton(Toolbar3_, "spbPreviewWhole", "Whole Page", ToolbarGlyphs::wholePage());
    spbPreviewWidth_ = speedButton(Toolbar3_, "spbPreviewWidth", "Page Width", ToolbarGlyphs::pageWidth());
    spbPreview100Percent_ = speedButton(Toolbar3_, "spbPreview100Percent", "100 %", ToolbarGlyphs::hundredPercent());
    // One zoom button down at most, the one of the preview's zoom; a typed percentage leaves
    // all of them up. The handlers set them (showZoom), so a click never toggles one by itself.
    for (QToolButton *button : {spbPreviewWhole_, spbPreviewWidth_, spbPreview100Percent_}) button->setCheckable(true);
    spbPreviewWidth_->setChecked(true);
    Toolbar3_->addSeparator();
    spbPreviewFirst_ = speedButton(Toolbar3_, "spbPreviewFirst", "First Page", ToolbarGlyphs::firstPage());
    spbPreviewPrior_ = speedButton(Toolbar3_, "spbPreviewPrior", "Prior Page", ToolbarGlyphs::priorPage());
    mskPreviewPage_ = maskedEdit(Toolbar3_, "mskPreviewPage", "99999; ", "88888");
    spbPreviewNext_ = speedButton(Toolbar3_, "spbPreviewNext", "Next Page", ToolbarGlyphs::nextPage());
    spbPreviewLast_ = speedButton(Toolbar3_, "spbPreviewLast", "Last Page", ToolbarGlyphs::lastPage());
    mskPreviewPercentage_ = maskedEdit(Toolbar3_, "mskPreviewPercentage", "999 %; ", "888 %");
}

void TMainForm::wireReportToolbar() {
    wire(ToolbarButton2_, &QToolButton::clicked, &TMainForm::spbPreviewPrintClick);
    wire(spbPreviewWhole_, &QToolButton::clicked, &TMainForm::spbPreviewWholeClick);
    wire(spbPreviewWidth_, &QToolButton::clicked, &TMainForm::spbPreviewWidthClick);
    wire(spbPreview100Percent_, &QToolButton::clicked, &TMainForm::spbPreview100PercentClick);
    wire(spbPreviewFirst_, &QToolButton::clicked, &TMainForm::spbPreviewFirstClick);
    wire(spbPreviewPrior_, &QToolButton::clicked, &TMainForm::spbPreviewPriorClick);
    wire(spbPreviewNext_, &QToolButton::clicked, &TMainForm::spbPreviewNextClick);
    wire(spbPreviewLast_, &QToolButton::clicked, &TMainForm::spbPreviewLastClick);
    mskPreviewPage_->installEventFilter(this);
    mskPreviewPercentage_->installEventFilter(this);
    wire(AdvFilterBtn_, &QToolButton::clicked, &TMainForm::Button2Click);
    wire(PopupMenu2_, &QMenu::aboutToShow, &TMainForm::PopupMenu2Popup);
}

void TMainForm::buildCriteriaToolbar() {
    Toolbar2_ = toolbar(this, "Toolbar2");
    AcctList_ = new QComboBox(Toolbar2_);
    AcctList_->setObjectName("AcctList");
    AcctList_->setEditable(true);
    AcctList_->setInsertPolicy(QComboBox::NoInsert);
    AcctList_->setFrame(false);
    AcctList_->setMaxVisibleItems(8);
    AcctList_->setFixedWidth(146);
    AcctList_->addItem(AllAccounts);
    AcctList_->setCurrentIndex(0);
    Toolbar2_->addWidget(AcctList_);
    Toolbar2_->addSeparator();

    ToolbarButton1_ = new QToolButton(Toolbar2_);
    ToolbarButton1_->setObjectName("ToolbarButton1");
    ToolbarButton1_->setText("Range");
    ToolbarButton1_->setPopupMode(QToolButton::InstantPopup);
    ToolbarButton1_->setMenu(PopupMenu1_);
    ToolbarButton1_->setAutoRaise(true);
    ToolbarButton1_->setMinimumWidth(48);
    Toolbar2_->addWidget(ToolbarButton1_);
    buildDateControls();
    Toolbar2_->addSeparator();

    Label3_ = toolbarLabel(Toolbar2_, "Label3", "Sort by ");
    wwKeyCombo1_ = new TwwKeyComboBox(TransDB_, Toolbar2_);
    wwKeyCombo1_->setObjectName("wwKeyCombo1");
    wwKeyCombo1_->setFrame(false);
    wwKeyCombo1_->setMinimumWidth(88);
    wwKeyCombo1_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Toolbar2_->addWidget(wwKeyCombo1_);
    BreakCheckbox_ = toolbarCheckBox(Toolbar2_, "BreakCheckbox", "Subtotal", 62);
    TotalsOnly_ = toolbarCheckBox(Toolbar2_, "TotalsOnly", "Totals only", 75);

    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, Toolbar2_);
    wireCriteriaToolbar();
}

void TMainForm::buildDateControls() {
    Label1_ = toolbarLabel(Toolbar2_, "Label1", "  From: ");
    StartDate_ = new DatePicker(Toolbar2_);
    StartDate_->setObjectName("StartDate");
    Toolbar2_->addWidget(StartDate_);
    Label2_ = toolbarLabel(Toolbar2_, "Label2", "  To ");
    EndDate_ = new DatePicker(Toolbar2_);
    EndDate_->setObjectName("EndDate");
    Toolbar2_->addWidget(EndDate_);
    for (DatePicker *picker : {StartDate_, EndDate_}) {
        picker->setLocaleFormats(services_.formats);
        picker->setFixedWidth(std::max(83, picker->widthForLongestDate()));
        picker->setYearListStart(2000);
        picker->setContextMenu(PopupMenu1_);
    }
    showMenuOnRightClick(Label1_, PopupMenu1_);
    showMenuOnRightClick(Label2_, PopupMenu1_);
}

void TMainForm::wireCriteriaToolbar() {
    wire(AcctList_, &QComboBox::currentTextChanged, &TMainForm::AcctListChange);
    wire(StartDate_, &DatePicker::textChanged, &TMainForm::StartDateCloseUp);
    wire(StartDate_, &DatePicker::closedUp, &TMainForm::StartDateCloseUp);
    wire(StartDate_, &DatePicker::droppedDown, &TMainForm::StartDateDropDown);
    wire(EndDate_, &DatePicker::textChanged, &TMainForm::EndDateCloseUp);
    wire(EndDate_, &DatePicker::closedUp, &TMainForm::EndDateCloseUp);
    wire(EndDate_, &DatePicker::droppedDown, &TMainForm::EndDateDropDown);
    connect(wwKeyCombo1_, &TwwKeyComboBox::entryChosen, this,
            [this](const QString &entry) { guarded([&] { wwKeyCombo1Choose(entry); }); });
    // Like a click, the handlers also run when the program sets the boxes.
    wire(BreakCheckbox_, &QCheckBox::toggled, &TMainForm::BreakCheckboxClick);
    wire(TotalsOnly_, &QCheckBox::toggled, &TMainForm::TotalsOnlyClick);
}
