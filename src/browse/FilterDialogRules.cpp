#include "FilterDialogRules.h"

#include "FieldText.h"
#include "Prompt.h"
#include "TwwFilterDialog.h"

#include <algorithm>

namespace {

const char *const NoCriteriaText = "You have not selected any search criteria";

TwwFilterMatchType matchTypeOf(FilterDialogRules::MatchItem item) {
    switch (item) {
    case FilterDialogRules::ExactMatch: return fdMatchExact;
    case FilterDialogRules::MatchAnywhere: return fdMatchAny;
    case FilterDialogRules::MatchAtBeginning: break;
    }
    return fdMatchStart;
}

FilterDialogRules::MatchItem matchItemOf(TwwFilterMatchType type) {
    switch (type) {
    case fdMatchExact: return FilterDialogRules::ExactMatch;
    case fdMatchAny: return FilterDialogRules::MatchAnywhere;
    default: return FilterDialogRules::MatchAtBeginning;  // also the default search type
    }
}

} // namespace

bool isNumericOrDate(FieldType type) { return type != FieldType::String; }

FilterDialogRules::FilterDialogRules(FilterDialogSession &session, const std::vector<FilterField> &tableFields,
                                     const LocaleFormats &formats, Prompt &prompt)
    : session_(session), tableFields_(tableFields), formats_(formats), prompt_(prompt) {}

const QList<TwwFieldInfo> &FilterDialogRules::workingCriteria() const { return session_.WorkingCriteria; }

// ---- opening ----

void FilterDialogRules::buildOfferedFields() {
    offered_.clear();
    for (const QString &entry : SelectedFields) {
        const QString name = entry.section(';', 0, 0);
        const auto field = std::find_if(tableFields_.begin(), tableFields_.end(), [&](const FilterField &f) {
            return f.name.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (field == tableFields_.end()) continue;
        QString label = entry.contains(';') ? entry.section(';', 1) : field->displayLabel;
        label.replace('~', ' ');
        if (offered(label)) continue;
        offered_.push_back({field->name, label, field->type});
    }
}

void FilterDialogRules::open() {
    buildOfferedFields();
    fillFieldList(true);
    clickFieldOrder(SortBy);
    if (session_.WorkingCriteria.isEmpty()) {
        selectLabel(labelOfField(DefaultField));
        if (selectedRow_ < 0 && !listLabels_.isEmpty()) selectedRow_ = 0;
    } else {
        changeFieldTab(SearchedFields);
        selectedRow_ = listLabels_.isEmpty() ? -1 : 0;
    }
    showField(true);
    choosePage();
    focusShownEditor();
}

void FilterDialogRules::finishOpening() { session_.WorkingListChanged = false; }

QString FilterDialogRules::labelOfField(const QString &name) const {
    for (const Offered &field : offered_)
        if (field.name.compare(name, Qt::CaseInsensitive) == 0) return field.label;
    for (const FilterField &field : tableFields_)
        if (field.name.compare(name, Qt::CaseInsensitive) == 0) return field.displayLabel;
    return name;
}

void FilterDialogRules::fillFieldList(bool all) {
    std::vector<const Offered *> order;
    for (const Offered &field : offered_) order.push_back(&field);
    if (order_ == Alphabetic)
        std::stable_sort(order.begin(), order.end(), [](const Offered *a, const Offered *b) {
            return a->label.compare(b->label, Qt::CaseInsensitive) < 0;
        });
    listLabels_.clear();
    for (const Offered *field : order)
        if ((all || criterionFor(field->label)) && !listLabels_.contains(field->label)) listLabels_ << field->label;
    selectedRow_ = -1;
}

// ---- events ----

bool FilterDialogRules::clickField(int row) {
    if (row < 0 || row >= listLabels_.size()) return true;
    selectedRow_ = row;
    if (!commitAndShow(true)) return false;
    choosePage();
    focusList();
    return true;
}

void FilterDialogRules::clickFieldOrder(FieldOrder order) {
    const QString keep = selectedLabel();
    order_ = order;
    fillFieldList(fieldTab_ == AllFields);
    selectLabel(keep);
    focusList();
    if (selectedRow_ >= 0) shownLabel_ = listLabels_[selectedRow_];
}

bool FilterDialogRules::changeFieldTab(FieldTab tab) {
    if (tab == fieldTab_) return true;
    if (!commitAndShow(false)) return false;
    if (tab == SearchedFields && session_.WorkingCriteria.isEmpty()) {
        prompt_.tell(Prompt::Kind::Information, NoCriteriaText);
        return false;
    }
    const QString keep = selectedLabel();
    fieldTab_ = tab;
    fillFieldList(tab == AllFields);
    selectLabel(keep);
    focusList();
    shownLabel_.reset();
    choosePage();
    showField(true);
    return true;
}

// The page changes first, so the criterion is stored as the kind of the page now shown.
bool FilterDialogRules::changePage(Page page) {
    if (page == page_) return true;
    page_ = page;
    if (!commitAndShow(false)) return false;
    focus_ = page_ == ValuePage ? Focus::ValueBox : Focus::MinBox;
    selectText_ = false;
    return true;
}

void FilterDialogRules::editValue(const QString &text) { setBox(value_, text); }
void FilterDialogRules::editMin(const QString &text) { setBox(min_, text); }
void FilterDialogRules::editMax(const QString &text) { setBox(max_, text); }

void FilterDialogRules::newSearch() {
    session_.WorkingCriteria.clear();
    session_.WorkingListChanged = true;
    setBox(value_, {});
    setBox(min_, {});
    setBox(max_, {});
    clearSearchEnabled_ = false;
    matchItem_ = MatchAtBeginning;
    changeFieldTab(AllFields);
}

bool FilterDialogRules::viewSummary() {
    if (!commitAndShow(false)) return false;
    if (session_.WorkingCriteria.isEmpty()) {
        prompt_.tell(Prompt::Kind::Information, NoCriteriaText);
        return false;
    }
    return true;
}

bool FilterDialogRules::closeQuery() { return commitAndShow(true); }

bool FilterDialogRules::keyDown(Key key, bool alt, int visibleRows) {
    if (focus_ == Focus::FieldList) {
        if (key != Key::Delete || fieldTab_ != SearchedFields) return false;
        deleteSelectedCriterion();
        return true;
    }
    if (listLabels_.isEmpty()) return false;
    const int last = int(listLabels_.size()) - 1;
    const int from = std::max(selectedRow_, 0);
    const int page = std::max(visibleRows, 1);
    int to = from;
    switch (key) {
    case Key::PageDown: to = std::min(from + page, last); break;
    case Key::PageUp: to = std::max(from - page, 0); break;
    case Key::Down: to = alt ? from : std::min(from + 1, last); break;
    case Key::Up: to = alt ? from : std::max(from - 1, 0); break;
    default: return false;
    }
    if (to == selectedRow_) return false;
    selectedRow_ = to;
    if (commitAndShow(true)) {
        choosePage();
        focusShownEditor();
    }
    return true;
}

void FilterDialogRules::deleteSelectedCriterion() {
    if (selectedRow_ >= 0)
        storeFieldCriterion(listLabels_[selectedRow_], fdMatchNone, {}, {}, {}, false, false);
    fillFieldList(false);
    selectedRow_ = listLabels_.isEmpty() ? -1 : 0;
    shownLabel_.reset();
    if (listLabels_.isEmpty()) {
        // Nothing is left to show: the editors must not keep the deleted criterion.
        criteriaCaption_.clear();
        setBox(value_, {});
        setBox(min_, {});
        setBox(max_, {});
    }
    showField(true);
    choosePage();
    updateButtons();
    focusList();
}

// ---- committing and showing ----

bool FilterDialogRules::commitAndShow(bool fresh) {
    if (!commitField()) return false;
    showField(fresh);
    return true;
}

bool FilterDialogRules::commitField() {
    if (!shownLabel_) return true;
    const QString label = *shownLabel_;
    if (const Offered *field = offered(label); field && !checkEditors(*field)) return false;
    if (active_)
        storeFieldCriterion(label, page_ == RangePage ? fdMatchRange : matchTypeOf(matchItem_), min_, max_, value_,
                            caseSensitive_, nonMatching_);
    clearSearchEnabled_ = !session_.WorkingCriteria.isEmpty();
    return true;
}

bool FilterDialogRules::checkEditors(const Offered &field) {
    if (!isNumericOrDate(field.type)) return true;
    if (!validValueBox(value_, field.type)) {
        refuse(Focus::ValueBox, ValuePage);
        return false;
    }
    for (auto [text, box] : {std::pair{&min_, Focus::MinBox}, std::pair{&max_, Focus::MaxBox}}) {
        if (!text->trimmed().isEmpty() && !validNumberOrDate(*text, field.type)) {
            refuse(box, RangePage);
            return false;
        }
    }
    return true;
}

// A value of a numeric or date field is numbers (or dates) joined by the or-word; the null
// word stands for an empty field.
bool FilterDialogRules::validValueBox(const QString &text, FieldType type) const {
    if (text.trimmed().isEmpty()) return true;
    const QString orWord = ' ' + FieldOperators.OrChar + ' ';
    for (const QString &part : text.split(orWord, Qt::KeepEmptyParts, Qt::CaseInsensitive)) {
        const QString term = part.trimmed();
        if (term.compare(FieldOperators.NullChar, Qt::CaseInsensitive) == 0) continue;
        if (term.isEmpty() || !validNumberOrDate(term, type)) return false;
    }
    return true;
}

bool FilterDialogRules::validNumberOrDate(const QString &text, FieldType type) const {
    switch (type) {
    case FieldType::Currency: return parseDecimal(text, formats_).has_value();
    case FieldType::Date: return formats_.parseShortDate(text).has_value();
    case FieldType::String: break;
    }
    return true;
}

void FilterDialogRules::refuse(Focus box, Page page) {
    page_ = page;
    focus_ = box;
    selectText_ = true;
    selectLabel(*shownLabel_);
}

void FilterDialogRules::showField(bool fresh) {
    if (selectedRow_ < 0 || selectedRow_ >= listLabels_.size()) return;
    const QString label = listLabels_[selectedRow_];
    shownLabel_ = label;
    criteriaCaption_ = label;
    const Offered *field = offered(label);
    const TwwFieldInfo *found = criterionFor(label);
    const TwwFieldInfo criterion = found ? *found : TwwFieldInfo{};
    const TwwFilterMatchType type = found ? criterion.MatchType : fdMatchNone;
    caseSensitive_ = found && criterion.CaseSensitive;
    nonMatching_ = found && criterion.NonMatching;
    matchItem_ = matchItemOf(type);
    if (type == fdMatchNone) {
        setBox(value_, {});
        setBox(min_, {});
        setBox(max_, {});
    } else if (type == fdMatchRange) {
        setBox(min_, criterion.MinValue);
        setBox(max_, criterion.MaxValue);
        if (fresh) setBox(value_, {});
    } else {
        setBox(value_, criterion.FilterValue);
        if (fresh) {
            setBox(min_, {});
            setBox(max_, {});
        }
    }
    shownIsNumeric_ = field && isNumericOrDate(field->type);
    if (shownIsNumeric_) matchItem_ = ExactMatch;
    pictureMask_.clear();
    valueChoices_.clear();
    if (OnSelectField && field) OnSelectField(field->name, pictureMask_, valueChoices_);
}

void FilterDialogRules::storeFieldCriterion(const QString &label, TwwFilterMatchType type, const QString &min,
                                            const QString &max, const QString &value, bool caseSensitive,
                                            bool nonMatching) {
    QList<TwwFieldInfo> &working = session_.WorkingCriteria;
    const bool range = type == fdMatchRange;
    // A range keeps the value parts of the criterion, a value keeps the bounds.
    auto edited = [&](TwwFieldInfo criterion) {
        criterion.MatchType = type;
        if (range) {
            criterion.MinValue = min;
            criterion.MaxValue = max;
        } else {
            criterion.FilterValue = value;
            criterion.CaseSensitive = caseSensitive;
            criterion.NonMatching = nonMatching;
        }
        return criterion;
    };
    const qsizetype at = indexOfCriterion(label);
    if (at >= 0) {
        const bool emptied = range ? min.isEmpty() && max.isEmpty() : value.isEmpty();
        const TwwFieldInfo changed = edited(working[at]);
        if (!emptied && changed == working[at]) return;
        if (emptied)
            working.removeAt(at);
        else
            working[at] = changed;
    } else {
        if (value.isEmpty() && min.isEmpty() && max.isEmpty()) return;
        TwwFieldInfo added;
        added.DisplayLabel = label;
        working << edited(added);
    }
    session_.WorkingListChanged = true;
}

void FilterDialogRules::choosePage() {
    if (listLabels_.isEmpty()) return;
    if (selectedRow_ < 0) selectedRow_ = 0;
    const QString &label = listLabels_[selectedRow_];
    if (const TwwFieldInfo *criterion = criterionFor(label)) {
        page_ = criterion->MatchType == fdMatchRange ? RangePage : ValuePage;
        return;
    }
    const Offered *field = offered(label);
    page_ = field && isNumericOrDate(field->type) ? RangePage : ValuePage;
}

// ---- editors and buttons ----

// Any change of a box's text counts as an edit, also when a field's criterion is loaded.
void FilterDialogRules::setBox(QString &box, const QString &text) {
    if (box == text) return;
    box = text;
    okEnabled_ = true;
    updateButtons();
}

void FilterDialogRules::updateButtons() {
    clearSearchEnabled_ =
        !session_.WorkingCriteria.isEmpty() || !value_.isEmpty() || !min_.isEmpty() || !max_.isEmpty();
}

void FilterDialogRules::focusList() {
    focus_ = Focus::FieldList;
    selectText_ = false;
}

void FilterDialogRules::focusShownEditor() {
    focus_ = page_ == ValuePage ? Focus::ValueBox : Focus::MinBox;
    selectText_ = true;
}

// ---- lookups ----

QString FilterDialogRules::selectedLabel() const {
    return selectedRow_ >= 0 && selectedRow_ < listLabels_.size() ? listLabels_[selectedRow_] : QString();
}

void FilterDialogRules::selectLabel(const QString &label) {
    selectedRow_ = -1;
    for (int row = 0; row < listLabels_.size(); ++row)
        if (sameDisplayLabel(listLabels_[row], label)) {
            selectedRow_ = row;
            return;
        }
}

const FilterDialogRules::Offered *FilterDialogRules::offered(const QString &label) const {
    for (const Offered &field : offered_)
        if (sameDisplayLabel(field.label, label)) return &field;
    return nullptr;
}

qsizetype FilterDialogRules::indexOfCriterion(const QString &label) const {
    const QList<TwwFieldInfo> &working = session_.WorkingCriteria;
    for (qsizetype i = 0; i < working.size(); ++i)
        if (sameDisplayLabel(working[i].DisplayLabel, label)) return i;
    return -1;
}

const TwwFieldInfo *FilterDialogRules::criterionFor(const QString &label) const {
    const qsizetype at = indexOfCriterion(label);
    return at >= 0 ? &session_.WorkingCriteria[at] : nullptr;
}
