#pragma once
#include <QString>
#include <QtGlobal>

// How a criterion compares its field. The numbers are stored in the saved-filter file.
enum TwwFilterMatchType : quint8 {
    fdMatchStart = 0,
    fdMatchAny = 1,
    fdMatchExact = 2,
    fdMatchEnd = 3,
    fdMatchRange = 4,
    fdMatchNone = 5,
};

// One criterion of the filter component's list.
struct TwwFieldInfo {
    QString FieldName;     // may be empty: resolved from DisplayLabel
    QString DisplayLabel;  // the label the dialog identifies the criterion by
    TwwFilterMatchType MatchType = fdMatchStart;
    QString FilterValue;   // value criteria; may hold the or/and/null words
    QString MinValue;      // range criteria; empty means unbounded
    QString MaxValue;
    bool CaseSensitive = false;
    bool NonMatching = false;  // inverts value criteria, never ranges

    static TwwFieldInfo exact(const QString &fieldName, const QString &label, const QString &value) {
        TwwFieldInfo info;
        info.FieldName = fieldName;
        info.DisplayLabel = label;
        info.MatchType = fdMatchExact;
        info.FilterValue = value;
        return info;
    }

    static TwwFieldInfo range(const QString &fieldName, const QString &label, const QString &min,
                              const QString &max) {
        TwwFieldInfo info;
        info.FieldName = fieldName;
        info.DisplayLabel = label;
        info.MatchType = fdMatchRange;
        info.MinValue = min;
        info.MaxValue = max;
        return info;
    }

    bool operator==(const TwwFieldInfo &) const = default;
};

// Labels are compared without regard to case, a "~" counting as a space (labels may use "~"
// where a space is meant).
inline bool sameDisplayLabel(QString a, QString b) {
    a.replace('~', ' ');
    b.replace('~', ' ');
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
