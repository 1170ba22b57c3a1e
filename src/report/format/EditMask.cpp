#include "EditMask.h"

#include "DateTimePattern.h"

#include <vector>

namespace {

struct MaskField {
    QString body;
    bool saveLiterals = true;
    QChar blank = '_';
};

// The last two ";" fields (unless escaped) say whether literals are stored and the blank.
MaskField splitMask(const QString &mask) {
    std::vector<qsizetype> separators;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        if (mask.at(i) == '\\') ++i;
        else if (mask.at(i) == ';') separators.push_back(i);
    }
    MaskField field;
    if (separators.empty()) {
        field.body = mask;
        return field;
    }
    const qsizetype first = separators.size() >= 2 ? separators[separators.size() - 2] : separators.back();
    field.body = mask.left(first);
    const QString save = separators.size() >= 2 ? mask.mid(first + 1, separators.back() - first - 1)
                                                : mask.mid(first + 1);
    field.saveLiterals = save.trimmed() != "0";
    if (separators.size() >= 2 && separators.back() + 1 < mask.size()) field.blank = mask.at(separators.back() + 1);
    return field;
}

struct Position {
    bool placeholder = false;
    QChar literal;
    int letterCase = 0;  // 1 upper, -1 lower
};

std::vector<Position> positionsOf(const QString &body, const LocaleFormats &formats, bool &fillFromRight) {
    std::vector<Position> positions;
    int letterCase = 0;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body.at(i);
        if (c == '!') fillFromRight = true;
        else if (c == '<' && i + 1 < body.size() && body.at(i + 1) == '>') { letterCase = 0; ++i; }
        else if (c == '>') letterCase = 1;
        else if (c == '<') letterCase = -1;
        else if (c == '\\') { if (++i < body.size()) positions.push_back({false, body.at(i)}); }
        else if (QStringLiteral("LlAaCc09#").contains(c)) positions.push_back({true, {}, letterCase});
        else if (c == ':') positions.push_back({false, timeSeparator(formats)});
        else if (c == '/') positions.push_back({false, dateSeparator(formats)});
        else if (c == '_') positions.push_back({false, ' '});
        else positions.push_back({false, c});
    }
    return positions;
}

QChar withCase(QChar c, int letterCase) {
    if (letterCase > 0) return c.toUpper();
    if (letterCase < 0) return c.toLower();
    return c;
}

} // namespace

QString applyEditMask(const QString &mask, const QString &text, const LocaleFormats &formats) {
    const MaskField field = splitMask(mask);
    bool fillFromRight = false;
    const std::vector<Position> positions = positionsOf(field.body, formats, fillFromRight);
    qsizetype placeholders = 0;
    for (const Position &p : positions) placeholders += p.placeholder;
    // With "!" a short text fills the last positions, leaving the first ones blank.
    qsizetype skip = 0;
    if (fillFromRight && !field.saveLiterals) skip = std::max<qsizetype>(0, placeholders - text.size());
    QString out;
    qsizetype at = 0;
    for (const Position &p : positions) {
        if (!p.placeholder) {
            out += p.literal;
            if (field.saveLiterals && at < text.size() && text.at(at) == p.literal) ++at;
        } else if (skip > 0) {
            --skip;
            out += field.blank;
        } else {
            out += at < text.size() ? withCase(text.at(at++), p.letterCase) : field.blank;
        }
    }
    return out;
}
