#pragma once
#include <QString>
#include <QStringList>

// The words a criterion value may use: "or" and "and" join terms, "null" finds empty fields.
struct TwwFieldOperators {
    QString OrChar = "or";
    QString AndChar = "and";
    QString NullChar = "null";
};

// A value split into the terms it is tested with. In or-mode one passing term is enough;
// otherwise every term must pass.
struct FilterTerms {
    bool orMode = false;
    QStringList terms;
};

// Reads the words of the value (a word in double quotes keeps its spaces), finds the first
// operator word after the first word and splits the value at that operator only.
FilterTerms splitFilterValue(const QString &value, const TwwFieldOperators &operators);

// Whether the value holds an operator word that splits it (the search summary writes such
// values in parentheses).
bool hasOperatorWord(const QString &value, const TwwFieldOperators &operators);
