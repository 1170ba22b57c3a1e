#include "NumberPicture.h"

#include <QStringList>
#include <cmath>
#include <cstdio>

namespace {

QString nonFinite(double value) {
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// Splits at ";" outside quotes; at most three sections count.
QStringList sectionsOf(const QString &picture) {
    QStringList sections{QString()};
    QChar quote;
    for (QChar c : picture) {
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            if (sections.size() == 3) break;
            sections.append(QString());
            continue;
        }
        sections.last().append(c);
    }
    return sections;
}

struct Element {
    enum Kind { IntegerDigit, FractionDigit, Point, Literal, Exponent } kind;
    QString text;          // literal text; for a digit "0" or "#"
    bool alwaysSign = false;  // exponent "E+"
    int exponentDigits = 0;
};

struct Picture {
    std::vector<Element> elements;
    int integerDigits = 0;      // placeholders before the point
    int minimumInteger = 0;     // integer digits that always print
    int fractionDigits = 0;     // placeholders after the point
    int minimumFraction = 0;    // fraction digits that always print
    bool grouping = false;
    bool exponent = false;
};

Picture parse(const QString &section) {
    Picture p;
    bool afterPoint = false;
    int firstZero = -1;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section.at(i);
        if (c == '"' || c == '\'') {
            qsizetype end = section.indexOf(c, i + 1);
            if (end < 0) end = section.size();
            p.elements.push_back({Element::Literal, section.mid(i + 1, end - i - 1)});
            i = end;
        } else if ((c == 'E' || c == 'e') && !p.exponent && i + 1 < section.size() &&
                   (section.at(i + 1) == '+' || section.at(i + 1) == '-')) {
            Element e{Element::Exponent, QString(c)};
            e.alwaysSign = section.at(i + 1) == '+';
            i += 2;
            while (i < section.size() && (section.at(i) == '0' || section.at(i) == '#')) {
                ++e.exponentDigits;
                ++i;
            }
            --i;
            p.exponent = true;
            p.elements.push_back(e);
        } else if ((c == '0' || c == '#') && !p.exponent) {
            if (afterPoint) {
                ++p.fractionDigits;
                if (c == '0') p.minimumFraction = p.fractionDigits;
                p.elements.push_back({Element::FractionDigit, QString(c)});
            } else {
                if (c == '0' && firstZero < 0) firstZero = p.integerDigits;
                ++p.integerDigits;
                p.elements.push_back({Element::IntegerDigit, QString(c)});
            }
        } else if (c == '.' && !p.exponent) {
            if (!afterPoint) p.elements.push_back({Element::Point, {}});
            afterPoint = true;
        } else if (c == ',' && !p.exponent) {
            if (!afterPoint) p.grouping = true;
        } else {
            p.elements.push_back({Element::Literal, QString(c)});
        }
    }
    p.minimumInteger = firstZero < 0 ? 0 : p.integerDigits - firstZero;
    return p;
}

struct Digits {
    QString integer;
    QString fraction;
    int exponent = 0;
};

// Plain digits of |value|, "." between integer and fraction.
Digits splitDecimal(const QString &plain) {
    const int point = int(plain.indexOf('.'));
    if (point < 0) return {plain, {}};
    return {plain.left(point), plain.mid(point + 1)};
}

// The first `significant` digits of a finite |value| and the power of ten of the first one.
struct Mantissa {
    QString digits;
    int exponent = 0;
};

Mantissa mantissaOf(double magnitude, int significant) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, magnitude);
    Mantissa m;
    const char *c = buffer;
    for (; *c && *c != 'e'; ++c)
        if (*c >= '0' && *c <= '9') m.digits += QChar(*c);
    m.exponent = *c == 'e' ? std::atoi(c + 1) : 0;
    return m;
}

Digits scientificDigits(double magnitude, const Picture &p) {
    const int integerDigits = std::max(1, p.integerDigits);
    if (magnitude == 0) return {QString(integerDigits, '0'), QString(p.fractionDigits, '0'), 0};
    auto [digits, exponent] = mantissaOf(magnitude, std::clamp(integerDigits + p.fractionDigits, 1, 17));
    while (digits.size() < integerDigits) digits += '0';
    return {digits.left(integerDigits), digits.mid(integerDigits), exponent - (integerDigits - 1)};
}

Digits digitsFor(double magnitude, const Picture &p) {
    if (p.exponent) return scientificDigits(magnitude, p);
    return splitDecimal(LocaleFormats::roundedDecimal(magnitude, p.fractionDigits));
}

bool allZero(const Digits &d) {
    for (QChar c : d.integer + d.fraction)
        if (c != '0') return false;
    return true;
}

class PictureWriter {
public:
    PictureWriter(const Picture &p, Digits d, const LocaleFormats &formats) : p_(p), d_(std::move(d)), f_(formats) {
        while (d_.fraction.size() > p_.minimumFraction && d_.fraction.endsWith('0')) d_.fraction.chop(1);
        if (!p_.exponent) {
            while (d_.integer.size() > 1 && d_.integer.startsWith('0')) d_.integer.remove(0, 1);
            if (d_.integer == "0" && p_.minimumInteger == 0) d_.integer.clear();
            while (d_.integer.size() < p_.minimumInteger) d_.integer.prepend('0');
        }
    }

    QString write() {
        QString out;
        const bool pointPresent = std::any_of(p_.elements.begin(), p_.elements.end(),
                                              [](const Element &e) { return e.kind == Element::Point; });
        for (const Element &e : p_.elements) {
            switch (e.kind) {
            case Element::IntegerDigit: integerDigit(out); break;
            case Element::FractionDigit:
                if (fractionAt_ < d_.fraction.size()) out += d_.fraction.at(fractionAt_);
                ++fractionAt_;
                break;
            case Element::Point:
                if (p_.integerDigits == 0) emitIntegerDigits(d_.integer.size(), out);
                if (!d_.fraction.isEmpty()) out += f_.decimalSeparator;
                break;
            case Element::Exponent: exponent(e, out); break;
            case Element::Literal: out += e.text; break;
            }
        }
        if (p_.integerDigits == 0 && !pointPresent) emitIntegerDigits(d_.integer.size(), out);
        return out;
    }

private:
    // The leftmost placeholder takes every digit the picture has no room for.
    void integerDigit(QString &out) {
        const int length = int(d_.integer.size());
        const int slot = placeholderAt_++;
        const int unused = p_.integerDigits - length;
        if (slot == 0 && length > p_.integerDigits) emitIntegerDigits(length - p_.integerDigits + 1, out);
        else if (slot >= unused) emitIntegerDigits(1, out);
    }

    void emitIntegerDigits(qsizetype count, QString &out) {
        const int length = int(d_.integer.size());
        for (qsizetype i = 0; i < count && integerAt_ < length; ++i, ++integerAt_) {
            out += d_.integer.at(integerAt_);
            const int remaining = length - 1 - integerAt_;
            if (p_.grouping && remaining > 0 && remaining % 3 == 0 && !f_.thousandsSeparator.isNull())
                out += f_.thousandsSeparator;
        }
    }

    void exponent(const Element &e, QString &out) const {
        out += e.text;
        if (d_.exponent < 0) out += '-';
        else if (e.alwaysSign) out += '+';
        out += QString::number(std::abs(d_.exponent)).rightJustified(e.exponentDigits, '0');
    }

    const Picture &p_;
    Digits d_;
    const LocaleFormats &f_;
    int placeholderAt_ = 0;
    int integerAt_ = 0;
    int fractionAt_ = 0;
};

} // namespace

QString formatGeneralNumber(double value, const LocaleFormats &formats) {
    if (!std::isfinite(value)) return nonFinite(value);
    if (value == 0) return "0";
    auto [digits, exponent] = mantissaOf(std::fabs(value), 15);
    while (digits.size() > 1 && digits.endsWith('0')) digits.chop(1);
    const QString sign = value < 0 ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        QString mantissa = digits.left(1);
        if (digits.size() > 1) mantissa += formats.decimalSeparator + digits.mid(1);
        return sign + mantissa + 'E' + QString::number(exponent);
    }
    if (exponent < 0) return sign + '0' + formats.decimalSeparator + QString(-exponent - 1, '0') + digits;
    while (digits.size() < exponent + 1) digits += '0';
    const QString integer = digits.left(exponent + 1);
    const QString fraction = digits.mid(exponent + 1);
    return sign + integer + (fraction.isEmpty() ? QString() : formats.decimalSeparator + fraction);
}

QString formatNumberPicture(const QString &picture, double value, const LocaleFormats &formats) {
    if (!std::isfinite(value)) return nonFinite(value);
    const QStringList sections = sectionsOf(picture);
    const bool ownNegative = value < 0 && sections.size() >= 2 && !sections.at(1).isEmpty();
    Picture p = parse(ownNegative ? sections.at(1) : sections.at(0));
    Digits digits = digitsFor(std::fabs(value), p);
    // A value that rounds to zero is zero: it takes the zero section and never a minus sign.
    if (allZero(digits)) {
        const bool ownZero = sections.size() == 3 && !sections.at(2).isEmpty();
        if (ownZero || ownNegative) {
            p = parse(ownZero ? sections.at(2) : sections.at(0));
            digits = digitsFor(0, p);
        }
        return PictureWriter(p, digits, formats).write();
    }
    const QString text = PictureWriter(p, digits, formats).write();
    return value < 0 && !ownNegative ? '-' + text : text;
}
