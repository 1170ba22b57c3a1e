#include "CriterionMatcher.h"

#include "FieldText.h"

#include <cmath>

namespace {

QString upper(const QString &text) { return text.toUpper(); }

} // namespace

CriterionMatcher::CriterionMatcher(const TwwFieldInfo &criterion, const FilterField &field,
                                   const TwwFieldOperators &operators, QChar upperRangePadChar,
                                   const LocaleFormats &formats)
    : field_(field), formats_(formats), matchType_(criterion.MatchType),
      caseSensitive_(criterion.CaseSensitive), nonMatching_(criterion.NonMatching) {
    if (matchType_ == fdMatchRange) {
        if (field_.type == FieldType::String) {
            if (!criterion.MinValue.isEmpty())
                minText_ = caseSensitive_ ? criterion.MinValue : upper(criterion.MinValue);
            if (!criterion.MaxValue.isEmpty()) {
                QString max = caseSensitive_ ? criterion.MaxValue : upper(criterion.MaxValue);
                if (max.size() < field_.size) max += QString(field_.size - max.size(), upperRangePadChar);
                maxText_ = max;
            }
        } else {
            // A bound that is no number or date (a hand-edited file) counts as absent.
            minNumber_ = parseBound(criterion.MinValue);
            maxNumber_ = parseBound(criterion.MaxValue);
        }
        return;
    }
    const FilterTerms split = splitFilterValue(
        caseSensitive_ ? criterion.FilterValue : upper(criterion.FilterValue), operators);
    orMode_ = split.orMode;
    for (const QString &text : split.terms) {
        Term term;
        term.text = text;
        term.isNullWord = text.compare(operators.NullChar, Qt::CaseInsensitive) == 0;
        if (field_.type != FieldType::String && !term.isNullWord) term.number = parseBound(text);
        terms_.push_back(term);
    }
}

std::optional<double> CriterionMatcher::parseBound(const QString &text) const {
    switch (field_.type) {
    case FieldType::Currency: return parseDecimal(text, formats_);
    case FieldType::Date: return formats_.parseShortDate(text);
    default: return std::nullopt;
    }
}

int CriterionMatcher::cost() const {
    if (field_.type != FieldType::String && (matchType_ == fdMatchRange || matchType_ == fdMatchExact)) return 0;
    return matchType_ == fdMatchExact || matchType_ == fdMatchRange ? 1 : 2;
}

bool CriterionMatcher::accepts(const TransactionRow &record) const {
    if (matchType_ == fdMatchRange) return matchRange(record);
    return matchValue(record) != nonMatching_;
}

bool CriterionMatcher::fieldIsEmpty(const TransactionRow &record) const {
    // Dates and amounts always have a text: a missing one reads as day 0 or as 0.
    return field_.type == FieldType::String &&
           (record.isNull(field_.column) || record.text(field_.column).isEmpty());
}

double CriterionMatcher::numberOf(const TransactionRow &record) const {
    if (record.isNull(field_.column)) return 0;
    return field_.type == FieldType::Date ? std::floor(record.date()) : record.amount();
}

const QString &CriterionMatcher::fieldText(const TransactionRow &record) const {
    switch (field_.type) {
    case FieldType::String: {
        value_ = record.text(field_.column);
        return caseSensitive_ ? value_ : upperCased(value_, buffer_);
    }
    case FieldType::Currency:
        buffer_ = currencyFieldText(numberOf(record), formats_);
        return buffer_;
    case FieldType::Date: {
        // Few distinct days occur, so their texts are made once.
        const qint64 day = qint64(numberOf(record));
        auto found = dateTexts_.find(day);
        if (found == dateTexts_.end()) {
            if (dateTexts_.size() > 100'000) dateTexts_.clear();
            const QString text = formats_.formatShortDate(double(day));
            found = dateTexts_.emplace(day, caseSensitive_ ? text : upper(text)).first;
        }
        return found->second;
    }
    }
    return buffer_;
}

bool CriterionMatcher::matchValue(const TransactionRow &record) const {
    switch (matchType_) {
    case fdMatchStart:
    case fdMatchAny:
    case fdMatchExact:
    case fdMatchEnd: break;
    default: return !orMode_;  // no term is tested
    }
    const QString *text = nullptr;
    for (const Term &term : terms_) {
        const bool pass = termPasses(term, record, text);
        if (pass == orMode_) return pass;
    }
    return !orMode_;
}

const QString &CriterionMatcher::textOnce(const TransactionRow &record, const QString *&text) const {
    if (!text) text = &fieldText(record);
    return *text;
}

bool CriterionMatcher::termPasses(const Term &term, const TransactionRow &record, const QString *&text) const {
    if (term.isNullWord && fieldIsEmpty(record)) return true;
    if (matchType_ == fdMatchExact) return valuesEqual(term, record, text);
    if (term.text.isEmpty()) return false;
    const QString &field = textOnce(record, text);
    switch (matchType_) {
    case fdMatchStart: return field.startsWith(term.text);
    case fdMatchAny: return field.contains(term.text);
    default:  // fdMatchEnd: the first occurrence must be the one at the end
        return field.size() >= term.text.size() && field.indexOf(term.text) == field.size() - term.text.size();
    }
}

bool CriterionMatcher::valuesEqual(const Term &term, const TransactionRow &record, const QString *&text) const {
    switch (field_.type) {
    case FieldType::String: return textOnce(record, text) == term.text;
    case FieldType::Currency: {
        // The field's text always reads back as a number, so equal texts mean equal numbers;
        // a term that is no number therefore matches nothing.
        if (!term.number) return false;
        const double amount = numberOf(record);
        if (std::fabs(amount - *term.number) > 1e-4 + std::fabs(amount) * 1e-13) return false;
        return parseDecimal(textOnce(record, text), formats_) == term.number;
    }
    case FieldType::Date:
        if (term.number) return numberOf(record) == *term.number;
        return textOnce(record, text) == term.text;
    }
    return false;
}

bool CriterionMatcher::matchRange(const TransactionRow &record) const {
    if (field_.type == FieldType::String) {
        const QString &text = fieldText(record);
        if (minText_ && compareText(text, *minText_) < 0) return false;
        if (maxText_ && compareText(text, *maxText_) > 0) return false;
        return true;
    }
    const double value = numberOf(record);
    if (minNumber_ && value < *minNumber_) return false;
    if (maxNumber_ && value > *maxNumber_) return false;
    return true;
}
