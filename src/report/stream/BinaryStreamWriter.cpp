#include "BinaryStreamWriter.h"
#include "BinaryStreamReader.h"
#include "ExtendedFloat.h"
#include "StreamError.h"
#include <cmath>
#include <cstring>

namespace {

class BinaryWriter {
public:
    QByteArray out;

    void writeComponent(const StreamComponent &component)
    {
        if (component.flags != 0) {
            out.append(char(0xF0 | (component.flags & 0x0F)));
            if (component.flags & ffChildPos)
                writeValue(StreamValue::fromInteger(component.childPos));
        }
        // A first byte of 0xF0 or more reads as the prefix, so class names stay shorter.
        if (component.className.isEmpty() || component.className.size() >= 0xF0)
            throw streamError("a class name that is empty or too long");
        writeName(component.className, false);
        writeName(component.name, false);
        writeProperties(component.properties);
        for (const StreamComponent &child : component.children)
            writeComponent(child);
        out.append('\0');
    }

private:
    void writeLittleEndian(quint64 value, int size)
    {
        for (int i = 0; i < size; ++i)
            out.append(char((value >> (8 * i)) & 0xFF));
    }

    void writeShortBytes(const QByteArray &bytes)
    {
        if (bytes.size() > 255)
            throw streamError("a short string longer than 255 bytes");
        out.append(char(bytes.size()));
        out.append(bytes);
    }

    void writeLongBytes(const QByteArray &bytes)
    {
        if (bytes.size() > INT32_MAX)
            throw streamError("data longer than a stream can hold");
        writeLittleEndian(quint64(bytes.size()), 4);
        out.append(bytes);
    }

    void writeName(const QString &name, bool dotted)
    {
        checkStreamName(name, dotted);
        writeShortBytes(name.toLatin1());
    }

    void writeProperties(const std::vector<StreamProperty> &properties)
    {
        for (const StreamProperty &p : properties) {
            if (p.name.isEmpty())
                throw streamError("a property without a name");
            writeName(p.name, true);
            writeValue(p.value);
        }
        out.append('\0');
    }

    void writeValue(const StreamValue &given)
    {
        // An integer too big for its stated width is widened rather than cut.
        const StreamValue widened = StreamValue::fromInteger(given.integer);
        const bool tooNarrow = given.isInteger() && widened.type > given.type;
        const StreamValue &value = tooNarrow ? widened : given;
        out.append(char(value.type));
        switch (value.type) {
        case StreamValueType::Null:
        case StreamValueType::False:
        case StreamValueType::True:
        case StreamValueType::Nil:
            return;
        case StreamValueType::List:
            for (const StreamValue &element : value.list) {
                // Null is the byte that ends a list, so it cannot stand in one.
                if (element.type == StreamValueType::Null)
                    throw streamError("Null cannot stand in a list");
                writeValue(element);
            }
            out.append('\0');
            return;
        case StreamValueType::Int8: writeLittleEndian(quint64(value.integer), 1); return;
        case StreamValueType::Int16: writeLittleEndian(quint64(value.integer), 2); return;
        case StreamValueType::Int32: writeLittleEndian(quint64(value.integer), 4); return;
        case StreamValueType::Int64:
        case StreamValueType::Currency: writeLittleEndian(quint64(value.integer), 8); return;
        case StreamValueType::Extended: out.append(doubleToExtended(finiteStreamNumber(value.number))); return;
        case StreamValueType::Single: writeSingle(float(finiteStreamNumber(value.number))); return;
        case StreamValueType::Date: writeDouble(finiteStreamNumber(value.number)); return;
        case StreamValueType::String: writeShortBytes(eightBit(value.text)); return;
        case StreamValueType::LString: writeLongBytes(eightBit(value.text)); return;
        case StreamValueType::Utf8String: writeLongBytes(value.text.toUtf8()); return;
        case StreamValueType::WString: writeWideString(value.text); return;
        case StreamValueType::Ident:
            if (value.text.isEmpty())
                throw streamError("an empty identifier");
            writeName(value.text, false);
            return;
        case StreamValueType::Binary: writeLongBytes(value.bytes); return;
        case StreamValueType::Set:
            for (const QString &name : value.names) {
                if (name.isEmpty())
                    throw streamError("an empty set element");
                writeName(name, false);
            }
            out.append('\0');
            return;
        case StreamValueType::Collection: writeCollection(value); return;
        }
        throw streamError(QStringLiteral("an unknown value type %1").arg(int(value.type)));
    }

    // 8-bit strings are read back as UTF-8 when valid, so UTF-8 is what they get.
    static QByteArray eightBit(const QString &text) { return text.toUtf8(); }

    void writeCollection(const StreamValue &value)
    {
        for (const StreamCollectionItem &item : value.items) {
            if (item.index)
                writeValue(StreamValue::fromInteger(*item.index));
            out.append(char(StreamValueType::List));
            writeProperties(item.properties);
        }
        out.append('\0');
    }

    void writeWideString(const QString &text)
    {
        writeLittleEndian(quint64(text.size()), 4);
        for (QChar c : text)
            writeLittleEndian(c.unicode(), 2);
    }

    void writeSingle(float number)
    {
        quint32 bits;
        std::memcpy(&bits, &number, sizeof bits);
        writeLittleEndian(bits, 4);
    }

    void writeDouble(double number)
    {
        quint64 bits;
        std::memcpy(&bits, &number, sizeof bits);
        writeLittleEndian(bits, 8);
    }
};

}  // namespace

QByteArray writeBinaryStream(const StreamComponent &root)
{
    BinaryWriter writer;
    writer.out.append(kBinaryStreamSignature, 4);
    writer.writeComponent(root);
    return writer.out;
}
