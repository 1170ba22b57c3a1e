#pragma once
#include "LocaleFormats.h"

#include <QWidget>

class QCalendarWidget;
class QComboBox;
class QFrame;
class QLineEdit;
class QMenu;
class QToolButton;

// A date field that may be blank: a line edit showing the short date, with a button that
// drops down a calendar. Its date is a day number; 0 is no date and shows no text.
class DatePicker : public QWidget {
    Q_OBJECT
public:
    explicit DatePicker(QWidget *parent = nullptr);

    void setLocaleFormats(const LocaleFormats &formats) { formats_ = formats; }
    const LocaleFormats &localeFormats() const { return formats_; }

    // The date of the text; 0 when the text is blank or no date.
    double date() const;
    void setDate(double dayNumber);
    bool hasValidDate() const;
    QString text() const;
    void setText(const QString &text);

    // The first year the calendar's year list offers.
    int yearListStart() const { return yearListStart_; }
    void setYearListStart(int year) { yearListStart_ = year; }

    // The width that shows the longest date of the short date format in the picker's font
    // (two-digit day and month, the widest digits) beside the calendar button.
    int widthForLongestDate() const;

    // The menu shown on a right click anywhere on the picker.
    void setContextMenu(QMenu *menu);

    QLineEdit *editor() const { return editor_; }
    QToolButton *calendarButton() const { return button_; }
    bool calendarShown() const;

public slots:
    void dropDown();

signals:
    void textChanged();  // every change of the shown text, typed or set by the program
    void droppedDown();  // just before the calendar opens
    void closedUp();     // the calendar has closed

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildCalendar();
    void fillYearList(int shownYear);
    void calendarPicked();

    LocaleFormats formats_;
    int yearListStart_ = 2000;
    QLineEdit *editor_;
    QToolButton *button_;
    QFrame *popup_ = nullptr;
    QComboBox *yearList_ = nullptr;
    QCalendarWidget *calendar_ = nullptr;
};
