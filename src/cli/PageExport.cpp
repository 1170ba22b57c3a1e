#include "PageExport.h"

#include <QByteArray>
#include <QLocale>
#include <cmath>

namespace {

const char *alignmentName(TppTextAlignment alignment) {
    switch (alignment) {
    case TppTextAlignment::taLeftJustified: return "left";
    case TppTextAlignment::taRightJustified: return "right";
    case TppTextAlignment::taCentered: return "center";
    case TppTextAlignment::taFullJustified: return "justify";
    }
    return "left";
}

// The page's JSON is written straight into one buffer, keys in name order as a JSON object
// sorts them: a long report has hundreds of thousands of commands, and an object per command
// cost more than drawing them.
class JsonLine {
public:
    QByteArray bytes;

    JsonLine &raw(const char *text) { bytes += text; return *this; }
    JsonLine &key(const char *name) { bytes += '"'; bytes += name; bytes += "\":"; return *this; }
    JsonLine &number(int value) { bytes += QByteArray::number(value); return *this; }
    JsonLine &number(double value) {
        if (std::isfinite(value)) bytes += QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
        else bytes += "null";  // JSON has no infinity or NaN
        return *this;
    }
    JsonLine &colour(QRgb colour) {
        return raw("\"#").raw(QByteArray::number(colour & 0xffffffu, 16).rightJustified(6, '0').constData()).raw("\"");
    }
    JsonLine &string(const QString &text);
};

void appendEscape(QByteArray &bytes, char16_t unit) {
    static const char hex[] = "0123456789abcdef";
    bytes += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) bytes += hex[(unit >> shift) & 0xf];
}

void appendUtf8(QByteArray &bytes, char32_t code) {
    if (code < 0x800) {
        bytes += char(0xc0 | (code >> 6));
    } else if (code < 0x10000) {
        bytes += char(0xe0 | (code >> 12));
        bytes += char(0x80 | ((code >> 6) & 0x3f));
    } else {
        bytes += char(0xf0 | (code >> 18));
        bytes += char(0x80 | ((code >> 12) & 0x3f));
        bytes += char(0x80 | ((code >> 6) & 0x3f));
    }
    bytes += char(0x80 | (code & 0x3f));
}

JsonLine &JsonLine::string(const QString &text) {
    bytes += '"';
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = text.at(i).unicode();
        if (unit >= 0x20 && unit < 0x80 && unit != '"' && unit != '\\') {
            bytes += char(unit);
        } else if (unit < 0x80) {
            switch (unit) {
            case '"': bytes += "\\\""; break;
            case '\\': bytes += "\\\\"; break;
            case '\b': bytes += "\\b"; break;
            case '\f': bytes += "\\f"; break;
            case '\n': bytes += "\\n"; break;
            case '\r': bytes += "\\r"; break;
            case '\t': bytes += "\\t"; break;
            default: appendEscape(bytes, unit);
            }
        } else if (QChar::isHighSurrogate(unit) && i + 1 < size && text.at(i + 1).isLowSurrogate()) {
            appendUtf8(bytes, QChar::surrogateToUcs4(unit, text.at(++i).unicode()));
        } else if (QChar::isSurrogate(unit)) {
            appendEscape(bytes, unit);  // half a pair has no UTF-8
        } else {
            appendUtf8(bytes, unit);
        }
    }
    bytes += '"';
    return *this;
}

void appendFont(JsonLine &out, const TppFont &font) {
    out.raw("{").key("color").colour(font.color).raw(",").key("name").string(font.name);
    out.raw(",").key("size").number(font.size).raw(",").key("style").raw("[");
    const char *separator = "";
    const auto style = [&](bool on, const char *name) {
        if (!on) return;
        out.raw(separator).raw("\"").raw(name).raw("\"");
        separator = ",";
    };
    style(font.bold, "bold");
    style(font.italic, "italic");
    style(font.underline, "underline");
    style(font.strikeOut, "strikeout");
    out.raw("]}");
}

void appendText(JsonLine &out, const TppDrawText &text) {
    out.raw("{").key("alignment").raw("\"").raw(alignmentName(text.alignment)).raw("\",");
    out.key("font");
    appendFont(out, text.font);
    out.raw(",").key("height").number(text.height).raw(",").key("kind").raw("\"text\",");
    out.key("left").number(text.left).raw(",").key("text").string(text.text).raw(",");
    out.key("top").number(text.top).raw(",").key("width").number(text.width).raw("}");
}

void appendLine(JsonLine &out, const TppDrawLine &line) {
    out.raw("{").key("color").colour(line.penColor).raw(",").key("height").number(line.height);
    out.raw(",").key("kind").raw("\"line\",").key("left").number(line.left).raw(",");
    out.key("top").number(line.top).raw(",").key("weight").number(line.weight).raw(",");
    out.key("width").number(line.width).raw("}");
}

} // namespace

void writePagesJson(QIODevice &out, int pageCount, const PageSource &pages) {
    out.write("{\"pageCount\": " + QByteArray::number(pageCount) + ", \"pages\": [\n");
    const char *separator = "";
    JsonLine line;
    while (const std::optional<TppPage> page = pages()) {
        line.bytes.clear();  // keeps its capacity for the next page
        line.raw(separator).raw("{").key("commands").raw("[");
        const char *comma = "";
        for (const TppDrawCommand &command : page->commands) {
            line.raw(comma);
            comma = ",";
            if (const auto *text = std::get_if<TppDrawText>(&command)) appendText(line, *text);
            else appendLine(line, std::get<TppDrawLine>(command));
        }
        line.raw("],").key("pageNo").number(page->pageNo).raw("}");
        out.write(line.bytes);
        separator = ",\n";
    }
    out.write("\n]}\n");
}

void writePagesText(QTextStream &out, const QString &description, const PageSource &pages) {
    out << description << "\n";
    bool first = true;
    while (const std::optional<TppPage> page = pages()) {
        if (!first) out << "\f\n";
        first = false;
        for (const TppDrawCommand &command : page->commands)
            if (const auto *text = std::get_if<TppDrawText>(&command)) out << text->text << "\n";
    }
}
