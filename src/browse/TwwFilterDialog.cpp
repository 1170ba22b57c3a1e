#include "TwwFilterDialog.h"

#include "Prompt.h"
#include "TransactionTable.h"

#include <algorithm>

namespace {

// Shows the hourglass for the life of the scope, also when an exception leaves it.
class BusyScope {
public:
    explicit BusyScope(const std::function<void(bool)> &cursor) : cursor_(cursor) {
        if (cursor_) cursor_(true);
    }
    ~BusyScope() {
        if (cursor_) cursor_(false);
    }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    const std::function<void(bool)> &cursor_;
};

} // namespace

TwwFilterDialog::TwwFilterDialog(TransactionTable &table, Prompt &prompt) : table_(table), prompt_(prompt) {
    table_.attachView(this);
    refreshTableFields();
}

TwwFilterDialog::~TwwFilterDialog() {
    table_.detachView(this);
    if (!installed_) return;
    try {
        // The predicate points at this object; the table must not call it afterwards.
        table_.setOnFilterRecord(nullptr);
    } catch (...) {
        // A destructor cannot report; the table is merely left unfiltered.
    }
}

void TwwFilterDialog::tableActiveChanged(TransactionTable &, bool active) {
    if (!active && ClearWhenCloseDataSet) ClearCriteria();
}

void TwwFilterDialog::refreshTableFields() {
    fields_.clear();
    for (int i = 0; i < table_.fieldCount(); ++i) {
        const TableField &field = table_.field(i);
        fields_.push_back({field.fieldName(), field.dataType(), field.displayLabel(), field.size(), field.column()});
    }
}

const FilterField *TwwFilterDialog::fieldNamed(const QString &name) const {
    for (const FilterField &field : fields_)
        if (field.name.compare(name, Qt::CaseInsensitive) == 0) return &field;
    return nullptr;
}

const FilterField *TwwFilterDialog::fieldLabelled(const QString &label) const {
    for (const FilterField &field : fields_)
        if (sameDisplayLabel(field.displayLabel, label)) return &field;
    return nullptr;
}

const FilterField *TwwFilterDialog::resolveField(TwwFieldInfo &criterion) const {
    if (!criterion.FieldName.isEmpty())
        if (const FilterField *field = fieldNamed(criterion.FieldName)) return field;
    const FilterField *field = fieldLabelled(criterion.DisplayLabel);
    if (field) criterion.FieldName = field->name;
    return field;
}

void TwwFilterDialog::resolveFromLabel(TwwFieldInfo &criterion) const {
    if (const FilterField *field = fieldLabelled(criterion.DisplayLabel)) criterion.FieldName = field->name;
}

QStringList TwwFilterDialog::unresolvedLabels() const {
    QStringList labels;
    for (TwwFieldInfo criterion : FieldInfo)
        if (!resolveField(criterion))
            labels << (criterion.DisplayLabel.isEmpty() ? criterion.FieldName : criterion.DisplayLabel);
    return labels;
}

bool TwwFilterDialog::checkTable() {
    if (table_.active()) return true;
    prompt_.tell(Prompt::Kind::Error, "Dataset must be active to perform local filtering (FilterMethod=fdByFilter).");
    return false;
}

void TwwFilterDialog::warnIfSameOperators() {
    if (FieldOperators.OrChar == FieldOperators.AndChar)
        prompt_.tell(Prompt::Kind::Warning, "And and Or Operators have the same value.");
}

bool TwwFilterDialog::ShowFilterDialog(const DialogRunner &runDialog) {
    if (!checkTable()) return false;
    warnIfSameOperators();
    BusyScope busy(BusyCursor);
    refreshTableFields();
    FilterDialogSession session;
    session.Caption = Caption;
    for (TwwFieldInfo &entry : FieldInfo) {
        if (entry.DisplayLabel.isEmpty()) entry.DisplayLabel = entry.FieldName;
        TwwFieldInfo copy = entry;
        resolveFromLabel(copy);
        session.WorkingCriteria << copy;
    }
    const bool ok = runDialog(session);
    if (ok && (session.WorkingListChanged || !table_.filtered())) {
        FieldInfo.clear();
        for (TwwFieldInfo copy : session.WorkingCriteria) {
            resolveFromLabel(copy);
            FieldInfo << copy;
        }
        install();
    }
    return ok;
}

bool TwwFilterDialog::ApplyCriteria() {
    refreshTableFields();
    if (!checkTable()) return false;
    warnIfSameOperators();
    BusyScope busy(BusyCursor);
    install();
    return true;
}

void TwwFilterDialog::install() {
    table_.setOnFilterRecord(nullptr);
    installed_ = false;
    if (FieldInfo.isEmpty() && ClearWhenNoCriteria) {
        matchers_.clear();
        table_.setFiltered(false);
        return;
    }
    compile();
    // Filtering goes off before the predicate comes in, so the rows are evaluated once.
    table_.setFiltered(false);
    table_.setOnFilterRecord([this](TransactionTable &table) { return AcceptRecord(table); });
    installed_ = true;
    table_.setFiltered(true);
}

void TwwFilterDialog::compile() {
    matchers_.clear();
    // A criterion whose field cannot be found rejects nothing.
    for (TwwFieldInfo &criterion : FieldInfo)
        if (const FilterField *field = resolveField(criterion))
            matchers_.emplace_back(criterion, *field, FieldOperators, UpperRangePadChar, table_.localeFormats());
    std::stable_sort(matchers_.begin(), matchers_.end(),
                     [](const CriterionMatcher &a, const CriterionMatcher &b) { return a.cost() < b.cost(); });
}

void TwwFilterDialog::ClearCriteria() {
    FieldInfo.clear();
    matchers_.clear();
}

bool TwwFilterDialog::AcceptRecord(const TransactionTable &table) const {
    const TransactionRow record = table.currentRecord();
    if (!record) return true;
    for (const CriterionMatcher &matcher : matchers_)
        if (!matcher.accepts(record)) return false;
    return true;
}

int TwwFilterDialog::indexOfField(const QString &fieldName) const {
    for (int i = 0; i < FieldInfo.size(); ++i)
        if (FieldInfo[i].FieldName.compare(fieldName, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int TwwFilterDialog::removeCriteriaOnField(const QString &fieldName) {
    return int(FieldInfo.removeIf([&](const TwwFieldInfo &criterion) {
        return criterion.FieldName.compare(fieldName, Qt::CaseInsensitive) == 0;
    }));
}

void TwwFilterDialog::replaceCriteriaOnField(const TwwFieldInfo &criterion) {
    removeCriteriaOnField(criterion.FieldName);
    FieldInfo << criterion;
}
