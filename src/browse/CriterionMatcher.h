#pragma once
#include "FilterField.h"
#include "FilterTerms.h"
#include "LocaleFormats.h"
#include "TransactionRow.h"
#include "TwwFieldInfo.h"

#include <optional>
#include <unordered_map>
#include <vector>

// One criterion made ready for testing records: its field resolved, its value split into
// terms and its numbers and dates parsed once, so that a test costs no parsing.
class CriterionMatcher {
public:
    CriterionMatcher(const TwwFieldInfo &criterion, const FilterField &field,
                     const TwwFieldOperators &operators, QChar upperRangePadChar,
                     const LocaleFormats &formats);

    bool accepts(const TransactionRow &record) const;
    // Numeric tests are cheapest; they run first (the order does not change the result).
    int cost() const;

private:
    struct Term {
        QString text;                   // upper-cased unless case-sensitive
        bool isNullWord = false;
        std::optional<double> number;   // the term as an amount or a day, when it is one
    };

    bool matchValue(const TransactionRow &record) const;
    // `text` is the record's field text once a term has needed it, so the terms of one
    // criterion share one upper-casing or formatting per record.
    bool termPasses(const Term &term, const TransactionRow &record, const QString *&text) const;
    bool valuesEqual(const Term &term, const TransactionRow &record, const QString *&text) const;
    const QString &textOnce(const TransactionRow &record, const QString *&text) const;
    bool matchRange(const TransactionRow &record) const;
    bool fieldIsEmpty(const TransactionRow &record) const;
    double numberOf(const TransactionRow &record) const;
    const QString &fieldText(const TransactionRow &record) const;
    std::optional<double> parseBound(const QString &text) const;

    FilterField field_;
    LocaleFormats formats_;
    TwwFilterMatchType matchType_;
    bool caseSensitive_;
    bool nonMatching_;
    bool orMode_ = false;
    std::vector<Term> terms_;
    // Range bounds: text bounds for text fields, numbers for amounts and dates.
    std::optional<QString> minText_, maxText_;
    std::optional<double> minNumber_, maxNumber_;

    mutable QString value_;   // the field's text as read
    mutable QString buffer_;
    mutable std::unordered_map<qint64, QString> dateTexts_;
};
