#include "TwwFilterDlg.h"

#include "DesignScale.h"
#include "DialogGlyphs.h"
#include "TwwFilterDialogView.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCompleter>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>

namespace {

using Rules = FilterDialogRules;

// Client area at 96 dots per inch.
constexpr int DesignWidth = 476;
constexpr int DesignHeight = 240;

QLabel *label(QWidget *parent, const QString &caption, QWidget *buddy, QPoint at) {
    auto *text = new QLabel(caption, parent);
    text->setBuddy(buddy);
    text->move(at);
    text->adjustSize();
    return text;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QString &hint,
                    const QRect &geometry) {
    auto *push = new QPushButton(caption, parent);
    push->setObjectName(name);
    push->setToolTip(hint);
    push->setAutoDefault(false);
    push->setGeometry(geometry);
    return push;
}

QLineEdit *edit(QWidget *parent, const char *name, const QString &hint, const QRect &geometry) {
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setToolTip(hint);
    box->setGeometry(geometry);
    return box;
}

QTabBar *tabStrip(QWidget *parent, const char *name, const QStringList &tabs, const QString &hint) {
    auto *strip = new QTabBar(parent);
    strip->setObjectName(name);
    strip->setShape(QTabBar::RoundedSouth);
    strip->setDrawBase(false);
    strip->setExpanding(false);
    strip->setFocusPolicy(Qt::NoFocus);
    strip->setToolTip(hint);
    for (const QString &tab : tabs) strip->addTab(tab);
    return strip;
}

// Shows the text without moving the caret when it is already there.
void showText(QLineEdit *box, const QString &text) {
    if (box->text() == text) return;
    const QSignalBlocker quiet(box);
    box->setText(text);
}

template <typename Widget, typename Value>
void showQuietly(Widget *widget, void (Widget::*setter)(Value), Value value) {
    const QSignalBlocker quiet(widget);
    (widget->*setter)(value);
}

} // namespace

TwwFilterDlg::TwwFilterDlg(FilterDialogRules &rules, QWidget *parent) : QDialog(parent), rules_(rules) {
    setObjectName("TwwFilterDlg");
    setFont(designFont());
    setFixedSize(scaled(DesignWidth), scaled(DesignHeight));
    buildFieldSide();
    buildCriteriaBox();
    buildButtons();
    wireEvents();
    setTabOrder();
    seeKeysFirst();
}

int TwwFilterDlg::scaled(int designPixels) const { return DesignScale(this)(designPixels); }

void TwwFilterDlg::buildFieldSide() {
    const DesignScale at(this);
    FieldsListBox_ = new QListWidget(this);
    FieldsListBox_->setObjectName("FieldsListBox");
    FieldsListBox_->setGeometry(at.rect(8, 20, 165, 160));
    FieldsLbl_ = label(this, "&Fields", FieldsListBox_, {at(8), at(4)});

    FieldTabSet_ = tabStrip(this, "FieldTabSet", {"&All", "&Searched"},
                            "Show all fields or only currently searched fields");
    FieldTabSet_->setGeometry(at.rect(8, 179, 165, 17 + 4));

    FieldOrder_ = new QGroupBox("Field Order", this);
    FieldOrder_->setObjectName("FieldOrder");
    FieldOrder_->setToolTip("Sort field list alphabetically or in their natural logical order");
    FieldOrder_->setGeometry(at.rect(5, 201, 170, 37));
    fieldOrderButtons_ = new QButtonGroup(this);
    const char *orders[2] = {"Alpha&betic", "&Logical"};
    for (int item = 0; item < 2; ++item) {
        auto *radio = new QRadioButton(orders[item], FieldOrder_);
        radio->setGeometry(at.rect(8 + 82 * item, 16, 78, 17));
        fieldOrderButtons_->addButton(radio, item);
    }
}

void TwwFilterDlg::buildCriteriaBox() {
    const DesignScale at(this);
    FieldCriteria_ = new QGroupBox(this);
    FieldCriteria_->setObjectName("FieldCriteria");
    FieldCriteria_->setGeometry(at.rect(180, 3, 205, 179));
    SelectNotebook_ = new QStackedWidget(FieldCriteria_);
    SelectNotebook_->setObjectName("SelectNotebook");
    SelectNotebook_->setGeometry(at.rect(2, 15, 201, 162));
    SelectNotebook_->addWidget(buildValuePage());
    SelectNotebook_->addWidget(buildRangePage());

    ValueRangeTabSet_ = tabStrip(this, "ValueRangeTabSet", {"By &Value", "By &Range"},
                                 "Search fields by value or by range");
    ValueRangeTabSet_->setGeometry(at.rect(180, 180, 199, 21));
}

QWidget *TwwFilterDlg::buildValuePage() {
    const DesignScale at(this);
    auto *page = new QWidget;
    FilterValueEdit_ = edit(page, "FilterValueEdit", "Enter field's search value", at.rect(8, 22, 133, 21));
    label(page, "Field &Value", FilterValueEdit_, {at(8), at(7)});
    FilterValueClearButton_ = button(page, "FilterValueClearButton", "&Clear",
                                     "Clear the current field's search value", at.rect(144, 23, 45, 21));

    MatchTypeGroup_ = new QGroupBox("Search Type", page);
    MatchTypeGroup_->setObjectName("MatchTypeGroup");
    MatchTypeGroup_->setToolTip("Specify how the Field Value should be compared");
    // Ends where the check boxes' panel begins, so the panel does not cover its border.
    MatchTypeGroup_->setGeometry(at.rect(8, 48, 182, 70));
    matchTypeButtons_ = new QButtonGroup(this);
    const char *types[3] = {"&Exact Match", "&Partial Match at Beginning", "Partial Match Any&where"};
    for (int item = 0; item < 3; ++item) {
        auto *radio = new QRadioButton(types[item], MatchTypeGroup_);
        radio->setGeometry(at.rect(8, 16 + 17 * item, 170, 17));
        matchTypeButtons_->addButton(radio, item);
    }

    Panel1_ = new QFrame(page);
    Panel1_->setObjectName("Panel1");
    Panel1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1_->setGeometry(at.rect(8, 118, 182, 41));
    CaseSensitive_ = new QCheckBox("Case Sensi&tive", Panel1_);
    CaseSensitive_->setObjectName("CaseSensitive");
    CaseSensitive_->setToolTip("Searching is case-sensitive");
    CaseSensitive_->setGeometry(at.rect(9, 4, 164, 16));
    Nonmatching_ = new QCheckBox("N&on-matching records", Panel1_);
    Nonmatching_->setObjectName("Nonmatching");
    Nonmatching_->setToolTip("Show records that do not match the field value criteria");
    Nonmatching_->setGeometry(at.rect(9, 21, 168, 17));
    return page;
}

QWidget *TwwFilterDlg::buildRangePage() {
    const DesignScale at(this);
    auto *page = new QWidget;
    MinValueEdit_ = edit(page, "MinValueEdit", "Enter starting range for field", at.rect(7, 24, 140, 21));
    label(page, "&Starting Range", MinValueEdit_, {at(7), at(9)});
    MinValueClearButton_ = button(page, "MinValueClearButton", "&Clear", "Clear starting range for field",
                                  at.rect(152, 24, 45, 21));
    MaxValueEdit_ = edit(page, "MaxValueEdit", "Enter ending range for field", at.rect(7, 67, 140, 21));
    label(page, "En&ding Range", MaxValueEdit_, {at(7), at(52)});
    MaxValueClearButton_ = button(page, "MaxValueClearButton", "Cl&ear", "Clear ending range for field",
                                  at.rect(152, 68, 45, 21));
    return page;
}

void TwwFilterDlg::buildButtons() {
    const DesignScale at(this);
    ViewButton_ = button(this, "ViewButton", "View Su&mmary", "View summary of current search criteria",
                         at.rect(180, 209, 95, 25));
    ClearSearchButton_ = button(this, "ClearSearchButton", "&New Search", "Start a new search",
                                at.rect(284, 209, 95, 25));
    for (QPushButton *notTabStop : {ViewButton_, ClearSearchButton_}) notTabStop->setFocusPolicy(Qt::ClickFocus);
    OKButton_ = button(this, "OKButton", "&OK", {}, at.rect(392, 22, 77, 27));
    OKButton_->setIcon(DialogGlyphs::checkMark());
    OKButton_->setDefault(true);
    CancelButton_ = button(this, "CancelButton", "Cancel", {}, at.rect(392, 62, 77, 27));
    CancelButton_->setIcon(DialogGlyphs::cross());
}

void TwwFilterDlg::wireEvents() {
    connect(FieldsListBox_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row != rules_.selectedRow()) forward([&] { rules_.clickField(row); });
    });
    connect(FieldTabSet_, &QTabBar::currentChanged, this,
            [this](int tab) { forward([&] { rules_.changeFieldTab(Rules::FieldTab(tab)); }); });
    connect(fieldOrderButtons_, &QButtonGroup::idClicked, this,
            [this](int item) { forward([&] { rules_.clickFieldOrder(Rules::FieldOrder(item)); }); });
    connect(ValueRangeTabSet_, &QTabBar::currentChanged, this,
            [this](int page) { forward([&] { rules_.changePage(Rules::Page(page)); }); });
    connect(matchTypeButtons_, &QButtonGroup::idClicked, this,
            [this](int item) { forward([&] { rules_.clickMatchType(Rules::MatchItem(item)); }); });
    connect(CaseSensitive_, &QCheckBox::clicked, this,
            [this](bool on) { forward([&] { rules_.setCaseSensitive(on); }); });
    connect(Nonmatching_, &QCheckBox::clicked, this, [this](bool on) { forward([&] { rules_.setNonMatching(on); }); });
    connect(FilterValueEdit_, &QLineEdit::textEdited, this,
            [this](const QString &text) { forward([&] { rules_.editValue(text); }); });
    connect(MinValueEdit_, &QLineEdit::textEdited, this,
            [this](const QString &text) { forward([&] { rules_.editMin(text); }); });
    connect(MaxValueEdit_, &QLineEdit::textEdited, this,
            [this](const QString &text) { forward([&] { rules_.editMax(text); }); });
    connect(FilterValueClearButton_, &QPushButton::clicked, this, [this] { forward([&] { rules_.clearValue(); }); });
    connect(MinValueClearButton_, &QPushButton::clicked, this, [this] { forward([&] { rules_.clearMin(); }); });
    connect(MaxValueClearButton_, &QPushButton::clicked, this, [this] { forward([&] { rules_.clearMax(); }); });
    connect(ClearSearchButton_, &QPushButton::clicked, this, [this] { forward([&] { rules_.newSearch(); }); });
    connect(ViewButton_, &QPushButton::clicked, this, &TwwFilterDlg::ViewButtonClick);
    connect(OKButton_, &QPushButton::clicked, this, &TwwFilterDlg::accept);
    connect(CancelButton_, &QPushButton::clicked, this, &TwwFilterDlg::reject);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && isAncestorOf(now)) rules_.focusMoved(focusOf(now));
    });
}

void TwwFilterDlg::setTabOrder() {
    QList<QWidget *> chain = {FieldsListBox_,
                              FilterValueEdit_,
                              FilterValueClearButton_,
                              matchTypeItem(0),
                              matchTypeItem(1),
                              matchTypeItem(2),
                              CaseSensitive_,
                              Nonmatching_,
                              MinValueEdit_,
                              MinValueClearButton_,
                              MaxValueEdit_,
                              MaxValueClearButton_,
                              OKButton_,
                              CancelButton_,
                              fieldOrderItem(0),
                              fieldOrderItem(1)};
    for (qsizetype i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

// The dialog sees key presses before its controls.
void TwwFilterDlg::seeKeysFirst() {
    for (QWidget *child : findChildren<QWidget *>())
        if (child->focusPolicy() != Qt::NoFocus) child->installEventFilter(this);
}

QRadioButton *TwwFilterDlg::fieldOrderItem(int item) const {
    return qobject_cast<QRadioButton *>(fieldOrderButtons_->button(item));
}

QRadioButton *TwwFilterDlg::matchTypeItem(int item) const {
    return qobject_cast<QRadioButton *>(matchTypeButtons_->button(item));
}

// ---- opening and closing ----

void TwwFilterDlg::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (opened_) return;
    opened_ = true;
    centreOnScreen(this);
    // The hourglass of the caller stays behind the dialog.
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    rules_.open();
    showState();
    if (OnInitDialog) OnInitDialog(*this);
    rules_.finishOpening();
    rules_.activate();
    showState();
}

void TwwFilterDlg::hideEvent(QHideEvent *event) {
    if (opened_ && !closed_) {
        closed_ = true;
        QGuiApplication::restoreOverrideCursor();
    }
    QDialog::hideEvent(event);
}

void TwwFilterDlg::accept() {
    if (rules_.closeQuery()) {
        QDialog::accept();
        return;
    }
    showState();
}

void TwwFilterDlg::ViewButtonClick() {
    if (rules_.viewSummary()) {
        TwwFilterDialogView view(searchSummary(rules_.workingCriteria(), rules_.FieldOperators), this);
        view.exec();
        rules_.summaryClosed();
    }
    showState();
}

bool TwwFilterDlg::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto *press = static_cast<QKeyEvent *>(event);
    Rules::Key key = Rules::Key::Other;
    switch (press->key()) {
    case Qt::Key_Up: key = Rules::Key::Up; break;
    case Qt::Key_Down: key = Rules::Key::Down; break;
    case Qt::Key_PageUp: key = Rules::Key::PageUp; break;
    case Qt::Key_PageDown: key = Rules::Key::PageDown; break;
    case Qt::Key_Delete: key = Rules::Key::Delete; break;
    default: return QDialog::eventFilter(watched, event);
    }
    rules_.focusMoved(focusOf(qobject_cast<QWidget *>(watched)));
    const int rowHeight = std::max(FieldsListBox_->sizeHintForRow(0), 1);
    const int visibleRows = FieldsListBox_->viewport()->height() / rowHeight;
    const bool alt = press->modifiers() & Qt::AltModifier;
    if (!rules_.keyDown(key, alt, visibleRows)) return QDialog::eventFilter(watched, event);
    showState();
    return true;
}

// ---- showing the state ----

void TwwFilterDlg::showState() {
    showList();
    showEditors();
    OKButton_->setEnabled(rules_.okEnabled());
    ClearSearchButton_->setEnabled(rules_.clearSearchEnabled());
    showFocus();
}

void TwwFilterDlg::showList() {
    QStringList shown;
    for (int row = 0; row < FieldsListBox_->count(); ++row) shown << FieldsListBox_->item(row)->text();
    const QSignalBlocker quiet(FieldsListBox_);
    if (shown != rules_.listLabels()) {
        FieldsListBox_->clear();
        FieldsListBox_->addItems(rules_.listLabels());
    }
    FieldsListBox_->setCurrentRow(rules_.selectedRow());
    showQuietly(FieldTabSet_, &QTabBar::setCurrentIndex, int(rules_.fieldTab()));
    fieldOrderItem(rules_.fieldOrder())->setChecked(true);
}

void TwwFilterDlg::showEditors() {
    FieldCriteria_->setTitle(rules_.criteriaCaption());
    SelectNotebook_->setCurrentIndex(rules_.page());
    showQuietly(ValueRangeTabSet_, &QTabBar::setCurrentIndex, int(rules_.page()));
    FilterValueEdit_->setInputMask(rules_.pictureMask());
    showText(FilterValueEdit_, rules_.valueText());
    showText(MinValueEdit_, rules_.minText());
    showText(MaxValueEdit_, rules_.maxText());
    if (shownChoices_ != rules_.valueChoices()) {
        shownChoices_ = rules_.valueChoices();
        delete FilterValueEdit_->completer();
        FilterValueEdit_->setCompleter(shownChoices_.isEmpty() ? nullptr : new QCompleter(shownChoices_, FilterValueEdit_));
    }
    FilterValueClearButton_->setEnabled(rules_.valueClearEnabled());
    MinValueClearButton_->setEnabled(rules_.minClearEnabled());
    MaxValueClearButton_->setEnabled(rules_.maxClearEnabled());
    matchTypeItem(rules_.matchItem())->setChecked(true);
    MatchTypeGroup_->setEnabled(rules_.searchTypeEnabled());
    CaseSensitive_->setEnabled(rules_.searchTypeEnabled());
    CaseSensitive_->setChecked(rules_.caseSensitive());
    Nonmatching_->setChecked(rules_.nonMatching());
}

// Moves the focus only where the rules asked for a new place, so a click on a radio button
// or check box keeps the focus there.
void TwwFilterDlg::showFocus() {
    const Rules::Focus wanted = rules_.focus();
    const bool selectText = rules_.focusedTextSelected();
    QWidget *target = widgetFor(wanted);
    if (!target) return;
    if (focusWidget() != target || selectText) target->setFocus(Qt::OtherFocusReason);
    if (auto *box = qobject_cast<QLineEdit *>(target); box && selectText) box->selectAll();
    rules_.focusMoved(wanted);
}

QWidget *TwwFilterDlg::widgetFor(Rules::Focus focus) const {
    switch (focus) {
    case Rules::Focus::FieldList: return FieldsListBox_;
    case Rules::Focus::ValueBox: return FilterValueEdit_;
    case Rules::Focus::MinBox: return MinValueEdit_;
    case Rules::Focus::MaxBox: return MaxValueEdit_;
    case Rules::Focus::Other: break;
    }
    return nullptr;
}

Rules::Focus TwwFilterDlg::focusOf(const QWidget *widget) const {
    if (widget == FieldsListBox_) return Rules::Focus::FieldList;
    if (widget == FilterValueEdit_) return Rules::Focus::ValueBox;
    if (widget == MinValueEdit_) return Rules::Focus::MinBox;
    if (widget == MaxValueEdit_) return Rules::Focus::MaxBox;
    return Rules::Focus::Other;
}
