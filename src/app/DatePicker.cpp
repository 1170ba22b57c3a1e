#include "DatePicker.h"
#include "DayNumber.h"
#include "RightClickMenu.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int YearsListed = 50;
}

DatePicker::DatePicker(QWidget *parent) : QWidget(parent), editor_(new QLineEdit(this)), button_(new QToolButton(this)) {
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    editor_->setFrame(false);
    button_->setArrowType(Qt::DownArrow);
    button_->setAutoRaise(true);
    button_->setFocusPolicy(Qt::NoFocus);
    button_->setToolTip(tr("Calendar"));
    layout->addWidget(editor_, 1);
    layout->addWidget(button_);
    connect(editor_, &QLineEdit::textChanged, this, &DatePicker::textChanged);
    connect(button_, &QToolButton::clicked, this, &DatePicker::dropDown);
}

double DatePicker::date() const { return formats_.parseShortDate(editor_->text()).value_or(0); }

bool DatePicker::hasValidDate() const { return formats_.parseShortDate(editor_->text()).has_value(); }

void DatePicker::setDate(double dayNumber) {
    setText(dayNumber == 0 ? QString() : formats_.formatShortDate(dayNumber));
}

QString DatePicker::text() const { return editor_->text(); }

void DatePicker::setText(const QString &text) { editor_->setText(text); }

int DatePicker::widthForLongestDate() const {
    const QFontMetrics metrics = editor_->fontMetrics();
    int widestDigit = 0;
    QChar widest('0');
    for (char digit = '0'; digit <= '9'; ++digit) {
        const int advance = metrics.horizontalAdvance(QChar(digit));
        if (advance > widestDigit) widestDigit = advance, widest = QChar(digit);
    }
    QString longest = formats_.formatShortDate(DayNumber::fromDate(QDate(2088, 12, 28)));
    for (QChar &c : longest)
        if (c.isDigit()) c = widest;
    // The line edit's own text margins and cursor room, then the button.
    const int editorRoom = metrics.horizontalAdvance(longest) + 2 * metrics.horizontalAdvance(' ') + 6;
    return editorRoom + button_->sizeHint().width();
}

void DatePicker::setContextMenu(QMenu *menu) {
    for (QWidget *part : {static_cast<QWidget *>(this), static_cast<QWidget *>(editor_), static_cast<QWidget *>(button_)})
        showMenuOnRightClick(part, menu);
}

void DatePicker::buildCalendar() {
    popup_ = new QFrame(this, Qt::Popup);
    popup_->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(popup_);
    layout->setContentsMargins(2, 2, 2, 2);
    yearList_ = new QComboBox(popup_);
    calendar_ = new QCalendarWidget(popup_);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    layout->addWidget(yearList_);
    layout->addWidget(calendar_);
    connect(yearList_, &QComboBox::activated, this, [this](int index) {
        calendar_->setCurrentPage(yearList_->itemData(index).toInt(), calendar_->monthShown());
    });
    connect(calendar_, &QCalendarWidget::clicked, this, &DatePicker::calendarPicked);
    connect(calendar_, &QCalendarWidget::activated, this, &DatePicker::calendarPicked);
    popup_->installEventFilter(this);
}

void DatePicker::fillYearList(int shownYear) {
    yearList_->clear();
    for (int year = yearListStart_; year < yearListStart_ + YearsListed; ++year) yearList_->addItem(QString::number(year), year);
    const int index = yearList_->findData(shownYear);
    if (index >= 0) yearList_->setCurrentIndex(index);
    else yearList_->setCurrentIndex(-1);
}

void DatePicker::dropDown() {
    emit droppedDown();
    if (!popup_) buildCalendar();
    const std::optional<double> typed = formats_.parseShortDate(editor_->text());
    const QDate shown = typed ? DayNumber::toDate(*typed) : QDate::currentDate();
    calendar_->setSelectedDate(shown);
    calendar_->setCurrentPage(shown.year(), shown.month());
    fillYearList(shown.year());
    popup_->adjustSize();
    popup_->move(mapToGlobal(QPoint(0, height())));
    popup_->show();
    calendar_->setFocus();
}

bool DatePicker::calendarShown() const { return popup_ && popup_->isVisible(); }

void DatePicker::calendarPicked() {
    setDate(DayNumber::fromDate(calendar_->selectedDate()));
    popup_->hide();
}

bool DatePicker::eventFilter(QObject *watched, QEvent *event) {
    if (watched == popup_ && event->type() == QEvent::Hide) emit closedUp();
    return QWidget::eventFilter(watched, event);
}
