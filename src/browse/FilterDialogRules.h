#pragma once
#include "FilterField.h"
#include "FilterTerms.h"
#include "LocaleFormats.h"
#include "TwwFieldInfo.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class Prompt;
struct FilterDialogSession;

// What the advanced filter dialog does, without its window: the field list and its two tabs,
// the editors of the shown field, how their contents become working criteria, and which
// control has the focus. The window shows this state and forwards every event here.
class FilterDialogRules {
public:
    enum FieldTab { AllFields = 0, SearchedFields = 1 };
    enum FieldOrder { Alphabetic = 0, Logical = 1 };
    enum Page { ValuePage = 0, RangePage = 1 };
    enum MatchItem { ExactMatch = 0, MatchAtBeginning = 1, MatchAnywhere = 2 };
    enum class Focus { FieldList, ValueBox, MinBox, MaxBox, Other };
    // Lets the program offer values or an input mask for a field (no field offered here
    // gets either).
    using SelectFieldHook = std::function<void(const QString &fieldName, QString &pictureMask, QStringList &values)>;

    FilterDialogRules(FilterDialogSession &session, const std::vector<FilterField> &tableFields,
                      const LocaleFormats &formats, Prompt &prompt);

    // The fields offered, in their logical order: a field name, optionally ";" and a label.
    QStringList SelectedFields = {"Amount", "Type", "Category", "Description", "OrigDesc", "Labels", "Notes"};
    QString DefaultField = "AcctName";
    FieldOrder SortBy = Alphabetic;
    TwwFieldOperators FieldOperators;
    SelectFieldHook OnSelectField;

    // Opening: fills the list, picks the first field to show and its page. The window then
    // runs its init event, `finishOpening` and, once shown, `activate`.
    void open();
    void finishOpening();
    void activate() { active_ = true; }

    // Events. Those returning bool return false when the editors hold an invalid entry and
    // the change was refused.
    bool clickField(int row);
    void clickFieldOrder(FieldOrder order);
    bool changeFieldTab(FieldTab tab);
    bool changePage(Page page);
    void clickMatchType(MatchItem item) { matchItem_ = item; }
    void setCaseSensitive(bool on) { caseSensitive_ = on; }
    void setNonMatching(bool on) { nonMatching_ = on; }
    void editValue(const QString &text);
    void editMin(const QString &text);
    void editMax(const QString &text);
    void clearValue() { editValue({}); }
    void clearMin() { editMin({}); }
    void clearMax() { editMax({}); }
    void newSearch();
    // Commits the editors; true when the summary is to be shown (false also after the
    // "no criteria" notice).
    bool viewSummary();
    // After the summary window closed.
    void summaryClosed() { focusShownEditor(); }
    // OK: true when the dialog may close.
    bool closeQuery();
    enum class Key { Up, Down, PageUp, PageDown, Delete, Other };
    // The dialog sees keys before its controls; true when the key was used up here.
    bool keyDown(Key key, bool alt, int visibleRows);
    // The control that has the focus; the window reports every focus change, also the ones
    // it made for `focus()` and `focusedTextSelected()`, which are then done.
    void focusMoved(Focus focus) {
        focus_ = focus;
        selectText_ = false;
    }

    // State for the window.
    const QStringList &listLabels() const { return listLabels_; }
    int selectedRow() const { return selectedRow_; }
    FieldTab fieldTab() const { return fieldTab_; }
    FieldOrder fieldOrder() const { return order_; }
    Page page() const { return page_; }
    const QString &criteriaCaption() const { return criteriaCaption_; }
    const QString &valueText() const { return value_; }
    const QString &minText() const { return min_; }
    const QString &maxText() const { return max_; }
    MatchItem matchItem() const { return matchItem_; }
    bool caseSensitive() const { return caseSensitive_; }
    bool nonMatching() const { return nonMatching_; }
    bool searchTypeEnabled() const { return !shownIsNumeric_; }  // also the case box
    bool okEnabled() const { return okEnabled_; }
    bool clearSearchEnabled() const { return clearSearchEnabled_; }
    bool valueClearEnabled() const { return !value_.isEmpty(); }
    bool minClearEnabled() const { return !min_.isEmpty(); }
    bool maxClearEnabled() const { return !max_.isEmpty(); }
    Focus focus() const { return focus_; }
    bool focusedTextSelected() const { return selectText_; }
    const QString &pictureMask() const { return pictureMask_; }
    const QStringList &valueChoices() const { return valueChoices_; }
    std::optional<QString> shownField() const { return shownLabel_; }
    const QList<TwwFieldInfo> &workingCriteria() const;

private:
    struct Offered {
        QString name;
        QString label;
        FieldType type;
    };

    void buildOfferedFields();
    QString labelOfField(const QString &name) const;
    void fillFieldList(bool all);
    bool commitAndShow(bool fresh);
    bool commitField();
    bool checkEditors(const Offered &field);
    void showField(bool fresh);
    void storeFieldCriterion(const QString &label, TwwFilterMatchType type, const QString &min, const QString &max,
                             const QString &value, bool caseSensitive, bool nonMatching);
    void choosePage();
    void refuse(Focus box, Page page);
    void selectLabel(const QString &label);
    void focusShownEditor();
    void focusList();
    QString selectedLabel() const;
    void setBox(QString &box, const QString &text);
    void updateButtons();
    void deleteSelectedCriterion();

    const Offered *offered(const QString &label) const;
    const TwwFieldInfo *criterionFor(const QString &label) const;
    qsizetype indexOfCriterion(const QString &label) const;
    bool validNumberOrDate(const QString &text, FieldType type) const;
    bool validValueBox(const QString &text, FieldType type) const;

    FilterDialogSession &session_;
    const std::vector<FilterField> &tableFields_;
    const LocaleFormats &formats_;
    Prompt &prompt_;
    std::vector<Offered> offered_;  // logical order, unknown fields left out

    QStringList listLabels_;
    int selectedRow_ = -1;
    std::optional<QString> shownLabel_;
    bool active_ = false;
    FieldTab fieldTab_ = AllFields;
    FieldOrder order_ = Alphabetic;
    Page page_ = ValuePage;
    QString criteriaCaption_;
    QString value_, min_, max_;
    MatchItem matchItem_ = MatchAtBeginning;
    bool caseSensitive_ = false;
    bool nonMatching_ = false;
    bool shownIsNumeric_ = false;
    bool okEnabled_ = false;
    bool clearSearchEnabled_ = false;
    Focus focus_ = Focus::FieldList;
    bool selectText_ = false;
    QString pictureMask_;
    QStringList valueChoices_;
};

// Numeric and date fields take numbers (or dates) in the editors and are searched by range
// unless told otherwise.
bool isNumericOrDate(FieldType type);
