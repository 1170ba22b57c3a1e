#include "TextStreamWriter.h"
#include "StreamError.h"
#include <charconv>
#include <cmath>

namespace {

constexpr int kStringChunk = 64;  // characters per line before a long string is continued
constexpr int kHexBytesPerLine = 32;

QString indentOf(int level) { return QString(2 * level, ' '); }

bool needsCode(QChar c) { return c.unicode() < 32 || c.unicode() == 127 || c.isSurrogate(); }

// One piece of a string: quoted runs, with control characters as #code.
QString quotePiece(QStringView text)
{
    QString out;
    bool open = false;
    for (QChar c : text) {
        if (needsCode(c)) {
            if (open)
                out += '\'';
            open = false;
            out += '#' + QString::number(c.unicode());
            continue;
        }
        if (!open)
            out += '\'';
        open = true;
        out += c == '\'' ? QStringLiteral("''") : QString(c);
    }
    if (open)
        out += '\'';
    return out.isEmpty() ? QStringLiteral("''") : out;
}

QString formatCurrency(qint64 tenThousandths)
{
    const bool negative = tenThousandths < 0;
    // Through unsigned so that the smallest 64-bit value has a magnitude too.
    const quint64 magnitude = negative ? 0 - quint64(tenThousandths) : quint64(tenThousandths);
    QString text = QString::number(magnitude / 10000);
    const quint64 fraction = magnitude % 10000;
    if (fraction != 0) {
        QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QChar('0'));
        while (digits.endsWith('0'))
            digits.chop(1);
        text += '.' + digits;
    }
    return (negative ? "-" : "") + text;
}

QString formatSingle(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, float(value));
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

class TextWriter {
public:
    QString out;

    void writeComponent(const StreamComponent &component, int level)
    {
        QString keyword = (component.flags & ffInherited) ? "inherited"
                        : (component.flags & ffInline)  ? "inline"
                                                         : "object";
        checkStreamName(component.className, false);
        if (component.className.isEmpty())
            throw streamError("a component without a class name");
        out += indentOf(level) + keyword + ' ';
        if (!component.name.isEmpty()) {
            checkStreamName(component.name, false);
            out += component.name + ": ";
        }
        out += component.className;
        if (component.flags & ffChildPos)
            out += QStringLiteral(" [%1]").arg(component.childPos);
        out += '\n';
        writeProperties(component.properties, level + 1);
        for (const StreamComponent &child : component.children)
            writeComponent(child, level + 1);
        out += indentOf(level) + "end\n";
    }

private:
    void writeProperties(const std::vector<StreamProperty> &properties, int level)
    {
        for (const StreamProperty &p : properties) {
            if (p.name.isEmpty())
                throw streamError("a property without a name");
            checkStreamName(p.name, true);
            out += indentOf(level) + p.name + " = ";
            writeValue(p.value, level);
            out += '\n';
        }
    }

    void writeValue(const StreamValue &value, int level)
    {
        switch (value.type) {
        case StreamValueType::Null: out += "Null"; return;
        case StreamValueType::Nil: out += "nil"; return;
        case StreamValueType::False: out += "False"; return;
        case StreamValueType::True: out += "True"; return;
        case StreamValueType::Int8:
        case StreamValueType::Int16:
        case StreamValueType::Int32:
        case StreamValueType::Int64: out += QString::number(value.integer); return;
        case StreamValueType::Extended: out += formatStreamDouble(value.number); return;
        case StreamValueType::Single: out += formatSingle(finiteStreamNumber(value.number)) + 's'; return;
        case StreamValueType::Date: out += formatStreamDouble(value.number) + 'd'; return;
        case StreamValueType::Currency: out += formatCurrency(value.integer) + 'c'; return;
        case StreamValueType::String:
        case StreamValueType::LString:
        case StreamValueType::WString:
        case StreamValueType::Utf8String: writeString(value.text, level); return;
        case StreamValueType::Ident:
            if (value.text.isEmpty())
                throw streamError("an empty identifier");
            checkStreamName(value.text, false);
            out += value.text;
            return;
        case StreamValueType::Set: writeSet(value.names); return;
        case StreamValueType::List: writeList(value.list, level); return;
        case StreamValueType::Binary: writeBinary(value.bytes, level); return;
        case StreamValueType::Collection: writeCollection(value.items, level); return;
        }
        throw streamError(QStringLiteral("an unknown value type %1").arg(int(value.type)));
    }

    // Long strings go on several lines joined with "+"; control characters and lone
    // surrogates are written as #code, so any text reads back unchanged.
    void writeString(const QString &text, int level)
    {
        qsizetype start = 0;
        do {
            if (start > 0)
                out += " +\n" + indentOf(level + 1);
            out += quotePiece(QStringView(text).mid(start, kStringChunk));
            start += kStringChunk;
        } while (start < text.size());
    }

    void writeSet(const QStringList &names)
    {
        for (const QString &name : names)
            if (name.isEmpty() || !isStreamIdentifier(name))
                throw streamError(QStringLiteral("the set element '%1' is not an identifier").arg(name));
        out += '[' + names.join(", ") + ']';
    }

    void writeList(const std::vector<StreamValue> &list, int level)
    {
        out += '(';
        for (const StreamValue &element : list) {
            out += '\n' + indentOf(level + 1);
            writeValue(element, level + 1);
        }
        out += ')';
    }

    void writeBinary(const QByteArray &bytes, int level)
    {
        out += '{';
        for (qsizetype start = 0; start < bytes.size(); start += kHexBytesPerLine)
            out += '\n' + indentOf(level + 1) + QString::fromLatin1(bytes.mid(start, kHexBytesPerLine).toHex().toUpper());
        out += '}';
    }

    void writeCollection(const std::vector<StreamCollectionItem> &items, int level)
    {
        out += '<';
        for (const StreamCollectionItem &item : items) {
            out += '\n' + indentOf(level + 1) + "item";
            if (item.index)
                out += QStringLiteral(" [%1]").arg(*item.index);
            out += '\n';
            writeProperties(item.properties, level + 2);
            out += indentOf(level + 1) + "end";
        }
        out += '>';
    }
};

}  // namespace

QString formatStreamDouble(double value)
{
    finiteStreamNumber(value);
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    if (!text.contains('.') && !text.contains('e'))
        text += ".0";
    return text;
}

QByteArray writeTextStream(const StreamComponent &root)
{
    TextWriter writer;
    writer.writeComponent(root, 0);
    return writer.out.toUtf8();
}
