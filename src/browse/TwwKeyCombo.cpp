#include "TwwKeyCombo.h"

QString firstKeyField(const IndexDefinition &index) { return index.fields.section(';', 0, 0); }

std::optional<QString> TwwKeyCombo::entryText(const IndexDefinition &index) const {
    const TableField *field = table_.findField(firstKeyField(index));
    if (!field || !field->visible()) return std::nullopt;
    QString text = field->displayLabel().replace('~', ' ');
    if (index.options.contains("descending")) text += " - Desc";
    return text;
}

void TwwKeyCombo::rebuild() {
    table_.updateIndexDefs();
    entries_.clear();
    for (const IndexDefinition &index : table_.indexDefs()) {
        const std::optional<QString> text = entryText(index);
        if (text && !entries_.contains(*text)) entries_ << *text;
    }
}

int TwwKeyCombo::currentEntry() const {
    const QString current = table_.indexName();
    for (const IndexDefinition &index : table_.indexDefs()) {
        if (index.name.compare(current, Qt::CaseInsensitive) != 0) continue;
        const std::optional<QString> text = entryText(index);
        return text ? int(entries_.indexOf(*text)) : -1;
    }
    return -1;
}

QString TwwKeyCombo::indexForEntry(const QString &text) const {
    const QList<IndexDefinition> indexes = table_.indexDefs();
    // Case-insensitive indexes first, then every index in order.
    for (bool caseInsensitiveOnly : {true, false}) {
        for (const IndexDefinition &index : indexes) {
            if (caseInsensitiveOnly && !index.options.contains("case-insensitive")) continue;
            if (entryText(index) == text) return index.name;
        }
    }
    return {};
}

bool TwwKeyCombo::apply(const QString &text) {
    if (!table_.active()) return false;
    table_.updateIndexDefs();
    const QString index = indexForEntry(text);
    if (index.isEmpty()) return false;
    table_.setIndexName(index);
    return true;
}
