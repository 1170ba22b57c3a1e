#include "PageExport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString alignmentName(TppTextAlignment alignment) {
    switch (alignment) {
    case TppTextAlignment::taLeftJustified: return "left";
    case TppTextAlignment::taRightJustified: return "right";
    case TppTextAlignment::taCentered: return "center";
    case TppTextAlignment::taFullJustified: return "justify";
    }
    return "left";
}

QString colourName(QRgb colour) { return QString("#%1").arg(colour & 0xffffffu, 6, 16, QChar('0')); }

QJsonArray fontStyle(const TppFont &font) {
    QJsonArray style;
    if (font.bold) style.append("bold");
    if (font.italic) style.append("italic");
    if (font.underline) style.append("underline");
    if (font.strikeOut) style.append("strikeout");
    return style;
}

template <class Command> QJsonObject placed(const char *kind, const Command &command) {
    return QJsonObject{{"kind", kind},
                       {"left", command.left},
                       {"top", command.top},
                       {"width", command.width},
                       {"height", command.height}};
}

QJsonObject commandAsJson(const TppDrawCommand &command) {
    if (const auto *text = std::get_if<TppDrawText>(&command)) {
        QJsonObject object = placed("text", *text);
        object["text"] = text->text;
        object["font"] = QJsonObject{{"name", text->font.name},
                                     {"size", text->font.size},
                                     {"style", fontStyle(text->font)},
                                     {"color", colourName(text->font.color)}};
        object["alignment"] = alignmentName(text->alignment);
        return object;
    }
    const auto &line = std::get<TppDrawLine>(command);
    QJsonObject object = placed("line", line);
    object["color"] = colourName(line.penColor);
    object["weight"] = line.weight;
    return object;
}

} // namespace

void writePagesJson(QIODevice &out, int pageCount, const PageSource &pages) {
    out.write("{\"pageCount\": " + QByteArray::number(pageCount) + ", \"pages\": [\n");
    const char *separator = "";
    while (const std::optional<TppPage> page = pages()) {
        QJsonArray commands;
        for (const TppDrawCommand &command : page->commands) commands.append(commandAsJson(command));
        const QJsonObject object{{"pageNo", page->pageNo}, {"commands", commands}};
        out.write(separator);
        out.write(QJsonDocument(object).toJson(QJsonDocument::Compact));
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
