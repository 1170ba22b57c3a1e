#include "DateTimePattern.h"

#include "DayNumber.h"

#include <QTime>
#include <cmath>

namespace {

constexpr qint64 msPerDay = 86400000;
// Beyond about the year 10000 a day number is no date a report can print.
constexpr double largestDayNumber = 3000000;

struct Moment {
    QDate date;
    qint64 msOfDay = 0;
    qint64 dayPart = 0;
};

std::optional<Moment> splitDayNumber(double dayNumber) {
    if (!std::isfinite(dayNumber) || std::fabs(dayNumber) > largestDayNumber) return std::nullopt;
    const qint64 ms = std::llround(dayNumber * double(msPerDay));
    Moment m;
    m.dayPart = ms >= 0 ? ms / msPerDay : -((-ms + msPerDay - 1) / msPerDay);
    m.msOfDay = ms - m.dayPart * msPerDay;
    m.date = DayNumber::epoch().addDays(m.dayPart);
    return m;
}

QChar firstSeparator(const QString &qtPattern, QChar fallback) {
    bool quoted = false;
    for (QChar c : qtPattern) {
        if (c == '\'') quoted = !quoted;
        else if (!quoted && !c.isLetter() && !c.isSpace()) return c;
    }
    return fallback;
}

QString longTimeOf(qint64 msOfDay, const LocaleFormats &formats) {
    return QTime::fromMSecsSinceStartOfDay(int(msOfDay)).toString(formats.longTimeFormat);
}

QString shortTimeOf(qint64 msOfDay, const LocaleFormats &formats) {
    QString format = formats.longTimeFormat;
    const QChar separator = timeSeparator(formats);
    format.remove(QString(separator) + "ss").remove(QString(separator) + "s");
    return QTime::fromMSecsSinceStartOfDay(int(msOfDay)).toString(format);
}

int runLength(const QString &pattern, qsizetype at) {
    const QChar letter = pattern.at(at).toLower();
    int n = 1;
    while (at + n < pattern.size() && pattern.at(at + n).toLower() == letter) ++n;
    return n;
}

bool startsWithNoCase(const QString &pattern, qsizetype at, const char *word) {
    return QStringView(pattern).mid(at).startsWith(QLatin1String(word), Qt::CaseInsensitive);
}

bool usesTwelveHours(const QString &pattern) {
    bool quoted = false;
    QChar quote;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (quoted) {
            if (c == quote) quoted = false;
        } else if (c == '\'' || c == '"') {
            quoted = true;
            quote = c;
        } else if (startsWithNoCase(pattern, i, "am/pm") || startsWithNoCase(pattern, i, "a/p") ||
                   startsWithNoCase(pattern, i, "ampm")) {
            return true;
        }
    }
    return false;
}

QString twoDigits(int value) { return QString::number(value).rightJustified(2, '0'); }

// Writes the text of the pattern element at `at` and returns how many characters it used.
class PatternWriter {
public:
    PatternWriter(const QString &pattern, const Moment &moment, const LocaleFormats &formats)
        : pattern_(pattern), m_(moment), formats_(formats), twelveHours_(usesTwelveHours(pattern)) {}

    QString write() {
        QString out;
        for (qsizetype at = 0; at < pattern_.size();) at += element(at, out);
        return out;
    }

private:
    int hour() const { return int(m_.msOfDay / 3600000); }
    int minute() const { return int(m_.msOfDay / 60000 % 60); }
    int second() const { return int(m_.msOfDay / 1000 % 60); }
    int millisecond() const { return int(m_.msOfDay % 1000); }

    int element(qsizetype at, QString &out) {
        const QChar c = pattern_.at(at);
        const QChar lower = c.toLower();
        if (c == '\'' || c == '"') return quoted(at, out);
        if (lower == 'a') return amPm(at, out);
        if (lower == 'c') {
            afterHour_ = false;
            out += formats_.formatShortDate(double(m_.dayPart));
            if (m_.msOfDay != 0) out += ' ' + longTimeOf(m_.msOfDay, formats_);
            return 1;
        }
        if (c == '/') {
            out += dateSeparator(formats_);
            return 1;
        }
        if (c == ':') {
            out += timeSeparator(formats_);
            return 1;
        }
        if (QStringLiteral("dmyhnszt").contains(lower)) return field(at, lower, out);
        out += c;
        return 1;
    }

    int quoted(qsizetype at, QString &out) {
        const QChar quote = pattern_.at(at);
        qsizetype end = pattern_.indexOf(quote, at + 1);
        if (end < 0) end = pattern_.size();
        out += pattern_.mid(at + 1, end - at - 1);
        return int(std::min(end + 1, pattern_.size()) - at);
    }

    int amPm(qsizetype at, QString &out) {
        const bool pm = hour() >= 12;
        if (startsWithNoCase(pattern_, at, "am/pm")) {
            const QString word = pattern_.mid(pm ? at + 3 : at, 2);
            out += word;
            return 5;
        }
        if (startsWithNoCase(pattern_, at, "a/p")) {
            out += pattern_.at(pm ? at + 2 : at);
            return 3;
        }
        if (startsWithNoCase(pattern_, at, "ampm")) {
            out += pm ? "PM" : "AM";
            return 4;
        }
        out += pattern_.at(at);
        return 1;
    }

    int field(qsizetype at, QChar letter, QString &out) {
        const int n = runLength(pattern_, at);
        const bool minutes = letter == 'n' || (letter == 'm' && afterHour_);
        afterHour_ = letter == 'h';
        if (minutes) return numberField(minute(), std::min(n, 2), out);
        switch (letter.toLatin1()) {
        case 'd': return dayField(n, out);
        case 'm': return monthField(n, out);
        case 'y':
            out += n <= 2 ? twoDigits(m_.date.year() % 100) : QString::number(m_.date.year()).rightJustified(4, '0');
            return n <= 2 ? n : std::min(n, 4);
        case 'h': {
            int h = hour();
            if (twelveHours_) h = h % 12 == 0 ? 12 : h % 12;
            return numberField(h, std::min(n, 2), out);
        }
        case 's': return numberField(second(), std::min(n, 2), out);
        case 'z':
            out += n >= 3 ? QString::number(millisecond()).rightJustified(3, '0') : QString::number(millisecond());
            return n >= 3 ? 3 : 1;
        default:  // 't'
            out += n >= 2 ? longTimeOf(m_.msOfDay, formats_) : shortTimeOf(m_.msOfDay, formats_);
            return std::min(n, 2);
        }
    }

    static int numberField(int value, int width, QString &out) {
        out += width >= 2 ? twoDigits(value) : QString::number(value);
        return width;
    }

    int dayField(int n, QString &out) {
        const QLocale english = QLocale::c();
        switch (std::min(n, 6)) {
        case 1: out += QString::number(m_.date.day()); return 1;
        case 2: out += twoDigits(m_.date.day()); return 2;
        case 3: out += english.dayName(m_.date.dayOfWeek(), QLocale::ShortFormat); return 3;
        case 4: out += english.dayName(m_.date.dayOfWeek(), QLocale::LongFormat); return 4;
        case 5: out += formats_.formatShortDate(double(m_.dayPart)); return 5;
        default: out += english.toString(m_.date, "dddd, MMMM d, yyyy"); return 6;
        }
    }

    int monthField(int n, QString &out) {
        const QLocale english = QLocale::c();
        switch (std::min(n, 4)) {
        case 1: out += QString::number(m_.date.month()); return 1;
        case 2: out += twoDigits(m_.date.month()); return 2;
        case 3: out += english.monthName(m_.date.month(), QLocale::ShortFormat); return 3;
        default: out += english.monthName(m_.date.month(), QLocale::LongFormat); return 4;
        }
    }

    const QString &pattern_;
    const Moment &m_;
    const LocaleFormats &formats_;
    const bool twelveHours_;
    bool afterHour_ = false;
};

} // namespace

QChar dateSeparator(const LocaleFormats &formats) { return firstSeparator(formats.shortDateFormat, '/'); }

QChar timeSeparator(const LocaleFormats &formats) { return firstSeparator(formats.longTimeFormat, ':'); }

QString formatDateTimePattern(const QString &pattern, double dayNumber, const LocaleFormats &formats) {
    const auto moment = splitDayNumber(dayNumber);
    if (!moment) return {};
    // The short date alone is every date field's default form and needs no pattern reading.
    if (pattern == QLatin1String("ddddd")) return formats.formatShortDate(double(moment->dayPart));
    return PatternWriter(pattern, *moment, formats).write();
}

QString formatLongTime(double dayNumber, const LocaleFormats &formats) {
    const auto moment = splitDayNumber(dayNumber);
    return moment ? longTimeOf(moment->msOfDay, formats) : QString();
}
