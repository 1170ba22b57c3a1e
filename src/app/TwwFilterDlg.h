#pragma once
#include "FilterDialogRules.h"

#include <QDialog>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabBar;

// The advanced filter dialog. It shows the state of its rules and forwards every event to
// them; it decides nothing itself.
class TwwFilterDlg : public QDialog {
    Q_OBJECT
public:
    TwwFilterDlg(FilterDialogRules &rules, QWidget *parent);

    // Raised at the end of the opening, before the dialog takes edits.
    std::function<void(TwwFilterDlg &)> OnInitDialog;

    FilterDialogRules &rules() { return rules_; }
    // Puts the rules' state into the controls; for code that changed the rules directly.
    void showState();
    // A design figure in pixels at 96 dots per inch, in this screen's pixels.
    int scaled(int designPixels) const;

    QListWidget *FieldsListBox() const { return FieldsListBox_; }
    QTabBar *FieldTabSet() const { return FieldTabSet_; }
    QGroupBox *FieldOrder() const { return FieldOrder_; }
    QRadioButton *fieldOrderItem(int item) const;
    QGroupBox *FieldCriteria() const { return FieldCriteria_; }
    QStackedWidget *SelectNotebook() const { return SelectNotebook_; }
    QLineEdit *FilterValueEdit() const { return FilterValueEdit_; }
    QPushButton *FilterValueClearButton() const { return FilterValueClearButton_; }
    QGroupBox *MatchTypeGroup() const { return MatchTypeGroup_; }
    QRadioButton *matchTypeItem(int item) const;
    QCheckBox *CaseSensitive() const { return CaseSensitive_; }
    QCheckBox *Nonmatching() const { return Nonmatching_; }
    QLineEdit *MinValueEdit() const { return MinValueEdit_; }
    QLineEdit *MaxValueEdit() const { return MaxValueEdit_; }
    QPushButton *MinValueClearButton() const { return MinValueClearButton_; }
    QPushButton *MaxValueClearButton() const { return MaxValueClearButton_; }
    QTabBar *ValueRangeTabSet() const { return ValueRangeTabSet_; }
    QPushButton *ViewButton() const { return ViewButton_; }
    QPushButton *ClearSearchButton() const { return ClearSearchButton_; }
    QPushButton *OKButton() const { return OKButton_; }
    QPushButton *CancelButton() const { return CancelButton_; }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFieldSide();
    void buildCriteriaBox();
    QWidget *buildValuePage();
    QWidget *buildRangePage();
    void buildButtons();
    void wireEvents();
    void setTabOrder();
    void seeKeysFirst();
    void showList();
    void showEditors();
    void showFocus();
    QWidget *widgetFor(FilterDialogRules::Focus focus) const;
    FilterDialogRules::Focus focusOf(const QWidget *widget) const;
    void ViewButtonClick();
    // Runs an event of the rules and shows the outcome.
    template <typename Event>
    void forward(Event &&event) {
        event();
        showState();
    }

    FilterDialogRules &rules_;
    bool opened_ = false;
    bool closed_ = false;
    QStringList shownChoices_;  // values offered for the shown field

    QLabel *FieldsLbl_ = nullptr;
    QListWidget *FieldsListBox_ = nullptr;
    QTabBar *FieldTabSet_ = nullptr;
    QGroupBox *FieldOrder_ = nullptr;
    QButtonGroup *fieldOrderButtons_ = nullptr;
    QGroupBox *FieldCriteria_ = nullptr;
    QStackedWidget *SelectNotebook_ = nullptr;
    QLineEdit *FilterValueEdit_ = nullptr;
    QPushButton *FilterValueClearButton_ = nullptr;
    QGroupBox *MatchTypeGroup_ = nullptr;
    QButtonGroup *matchTypeButtons_ = nullptr;
    QFrame *Panel1_ = nullptr;
    QCheckBox *CaseSensitive_ = nullptr;
    QCheckBox *Nonmatching_ = nullptr;
    QLineEdit *MinValueEdit_ = nullptr;
    QPushButton *MinValueClearButton_ = nullptr;
    QLineEdit *MaxValueEdit_ = nullptr;
    QPushButton *MaxValueClearButton_ = nullptr;
    QTabBar *ValueRangeTabSet_ = nullptr;
    QPushButton *ViewButton_ = nullptr;
    QPushButton *ClearSearchButton_ = nullptr;
    QPushButton *OKButton_ = nullptr;
    QPushButton *CancelButton_ = nullptr;
};
