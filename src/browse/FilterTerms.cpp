#include "FilterTerms.h"

namespace {

bool isSingleOperatorChar(QChar c, const TwwFieldOperators &operators) {
    return (operators.OrChar.size() == 1 && c == operators.OrChar.at(0)) ||
           (operators.AndChar.size() == 1 && c == operators.AndChar.at(0));
}

// Every character below 33 separates words. Skipping them all (not only blanks and tabs)
// guarantees that each round consumes input, so no value can stall the reader.
QStringList readWords(const QString &value, const TwwFieldOperators &operators) {
    QStringList words;
    const qsizetype n = value.size();
    qsizetype i = 0;
    while (true) {
        while (i < n && value.at(i).unicode() < 33) ++i;
        if (i >= n) break;
        if (value.at(i) == '"') {
            qsizetype close = value.indexOf('"', i + 1);
            if (close < 0) close = n;
            words << value.mid(i + 1, close - i - 1);
            i = close + 1;
        } else if (isSingleOperatorChar(value.at(i), operators)) {
            words << QString(value.at(i));
            ++i;
        } else {
            qsizetype end = i;
            while (end < n && value.at(end).unicode() >= 33 && !isSingleOperatorChar(value.at(end), operators))
                ++end;
            words << value.mid(i, end - i);
            i = end;
        }
    }
    return words;
}

bool isWord(const QString &word, const QString &operatorWord) {
    return !operatorWord.isEmpty() && word.compare(operatorWord, Qt::CaseInsensitive) == 0;
}

// Index of the first word after the first one that is an operator word, -1 when none is.
qsizetype decidingOperator(const QStringList &words, const TwwFieldOperators &operators) {
    for (qsizetype k = 1; k < words.size(); ++k)
        if (isWord(words[k], operators.OrChar) || isWord(words[k], operators.AndChar)) return k;
    return -1;
}

} // namespace

FilterTerms splitFilterValue(const QString &value, const TwwFieldOperators &operators) {
    const QStringList words = readWords(value, operators);
    FilterTerms result;
    const qsizetype decider = decidingOperator(words, operators);
    if (decider < 0) {
        result.terms << words.join(' ');
        return result;
    }
    const QString op = words[decider];
    result.orMode = isWord(op, operators.OrChar);
    QStringList current;
    for (qsizetype k = 0; k < words.size(); ++k) {
        if (k > 0 && words[k].compare(op, Qt::CaseInsensitive) == 0) {
            result.terms << current.join(' ');
            current.clear();
        } else {
            current << words[k];
        }
    }
    result.terms << current.join(' ');
    return result;
}

bool hasOperatorWord(const QString &value, const TwwFieldOperators &operators) {
    return decidingOperator(readWords(value, operators), operators) >= 0;
}
