#include "BinaryStreamReader.h"
#include "ExtendedFloat.h"
#include "StreamError.h"
#include <QStringDecoder>
#include <cmath>
#include <cstring>

namespace {

class BinaryReader {
public:
    explicit BinaryReader(QByteArrayView data) : data_(data) {}

    StreamComponent readRoot()
    {
        if (!data_.startsWith(QByteArrayView(kBinaryStreamSignature)))
            throw streamError("the signature is missing");
        pos_ = 4;
        return readComponent(1);
    }

private:
    QByteArrayView data_;
    qsizetype pos_ = 0;
    int nodes_ = 0;

    [[noreturn]] void fail(const QString &what) const
    {
        throw streamError(QStringLiteral("%1 at byte %2").arg(what).arg(pos_));
    }

    qsizetype left() const { return data_.size() - pos_; }

    void need(qint64 count)
    {
        if (count < 0 || count > left())
            fail("the data ends early");
    }

    void countNode(int depth)
    {
        if (depth > kMaxStreamDepth)
            fail("nesting is too deep");
        if (++nodes_ > kMaxStreamNodes)
            fail("too many values");
    }

    quint8 peekByte()
    {
        need(1);
        return quint8(data_[pos_]);
    }

    quint8 readByte()
    {
        const quint8 b = peekByte();
        ++pos_;
        return b;
    }

    QByteArrayView readBytes(qint64 count)
    {
        need(count);
        QByteArrayView bytes = data_.sliced(pos_, count);
        pos_ += count;
        return bytes;
    }

    qint64 readLittleEndian(int size)
    {
        QByteArrayView bytes = readBytes(size);
        quint64 value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = (value << 8) | quint8(bytes[i]);
        // Sign-extend from the stored width.
        const int unused = 64 - 8 * size;
        return unused == 0 ? qint64(value) : (qint64(value << unused) >> unused);
    }

    qint64 readLength()
    {
        const qint64 length = readLittleEndian(4);
        if (length < 0)
            fail("a negative length");
        need(length);
        return length;
    }

    QString readShortString() { return decodeEightBit(readBytes(readByte())); }

    QString readName(bool dotted)
    {
        const qsizetype at = pos_;
        QString name = readShortString();
        if (!name.isEmpty() && !isStreamName(name, dotted)) {
            pos_ = at;
            fail("a name that is not an identifier");
        }
        return name;
    }

    // 8-bit strings are taken as UTF-8 when they are valid UTF-8, else byte by byte.
    static QString decodeEightBit(QByteArrayView bytes)
    {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8(bytes);
        return utf8.hasError() ? QString::fromLatin1(bytes) : text;
    }

    StreamComponent readComponent(int depth)
    {
        countNode(depth);
        StreamComponent component;
        if ((peekByte() & 0xF0) == 0xF0) {
            component.flags = readByte() & 0x0F;
            if (component.flags & ffChildPos) {
                StreamValue position = readValue(depth + 1);
                if (!position.isInteger())
                    fail("a child position that is not an integer");
                component.childPos = position.integer;
            }
        }
        component.className = readName(false);
        if (component.className.isEmpty())
            fail("a component without a class name");
        component.name = readName(false);
        component.properties = readProperties(depth);
        while (peekByte() != 0)
            component.children.push_back(readComponent(depth + 1));
        ++pos_;
        return component;
    }

    std::vector<StreamProperty> readProperties(int depth)
    {
        std::vector<StreamProperty> properties;
        for (;;) {
            QString name = readName(true);
            if (name.isEmpty())
                return properties;
            countNode(depth + 1);
            properties.push_back({name, readValue(depth + 1)});
        }
    }

    StreamValue readValue(int depth)
    {
        countNode(depth);
        const quint8 typeByte = readByte();
        if (typeByte > kLastStreamValueType) {
            --pos_;
            fail(QStringLiteral("an unknown value type %1").arg(typeByte));
        }
        StreamValue value = StreamValue::ofType(StreamValueType(typeByte));
        readValueData(value, depth);
        return value;
    }

    void readValueData(StreamValue &value, int depth)
    {
        switch (value.type) {
        case StreamValueType::Null:
        case StreamValueType::False:
        case StreamValueType::True:
        case StreamValueType::Nil:
            return;
        case StreamValueType::List:
            while (peekByte() != 0)
                value.list.push_back(readValue(depth + 1));
            ++pos_;
            return;
        case StreamValueType::Int8: value.integer = readLittleEndian(1); return;
        case StreamValueType::Int16: value.integer = readLittleEndian(2); return;
        case StreamValueType::Int32: value.integer = readLittleEndian(4); return;
        case StreamValueType::Int64:
        case StreamValueType::Currency: value.integer = readLittleEndian(8); return;
        case StreamValueType::Extended: value.number = readExtended(); return;
        case StreamValueType::Single: value.number = readSingle(); return;
        case StreamValueType::Date: value.number = readDouble(); return;
        case StreamValueType::String: value.text = decodeEightBit(readBytes(readByte())); return;
        case StreamValueType::LString: value.text = decodeEightBit(readBytes(readLength())); return;
        case StreamValueType::Utf8String: value.text = QString::fromUtf8(readBytes(readLength())); return;
        case StreamValueType::WString: value.text = readWideString(); return;
        case StreamValueType::Ident: value.text = readIdent(); return;
        case StreamValueType::Binary: value.bytes = readBytes(readLength()).toByteArray(); return;
        case StreamValueType::Set: readSet(value, depth); return;
        case StreamValueType::Collection: readCollection(value, depth); return;
        }
    }

    QString readIdent()
    {
        QString ident = readName(false);
        if (ident.isEmpty())
            fail("an empty identifier");
        return ident;
    }

    void readSet(StreamValue &value, int depth)
    {
        for (;;) {
            QString name = readName(false);
            if (name.isEmpty())
                return;
            countNode(depth + 1);
            value.names.push_back(name);
        }
    }

    void readCollection(StreamValue &value, int depth)
    {
        while (peekByte() != 0) {
            countNode(depth + 1);
            StreamCollectionItem item;
            if (peekByte() != quint8(StreamValueType::List)) {
                StreamValue index = readValue(depth + 2);
                if (!index.isInteger())
                    fail("a collection index that is not an integer");
                item.index = index.integer;
            }
            if (readByte() != quint8(StreamValueType::List)) {
                --pos_;
                fail("a collection item without its list marker");
            }
            item.properties = readProperties(depth + 1);
            value.items.push_back(std::move(item));
        }
        ++pos_;
    }

    QString readWideString()
    {
        const qint64 count = readLittleEndian(4);
        if (count < 0 || count > left() / 2)
            fail("the data ends early");
        QByteArrayView bytes = readBytes(count * 2);
        QString text(count, Qt::Uninitialized);
        for (qint64 i = 0; i < count; ++i)
            text[i] = QChar(char16_t(quint8(bytes[2 * i]) | (quint8(bytes[2 * i + 1]) << 8)));
        return text;
    }

    double finite(double number)
    {
        if (!std::isfinite(number))
            fail("a number that is not finite");
        return number;
    }

    double readExtended()
    {
        QByteArrayView bytes = readBytes(10);
        std::optional<double> number = extendedToDouble(bytes.data());
        if (!number)
            fail("a number that is not finite");
        return *number;
    }

    double readSingle()
    {
        const quint32 bits = quint32(readLittleEndian(4));
        float number;
        std::memcpy(&number, &bits, sizeof number);
        return finite(number);
    }

    double readDouble()
    {
        const quint64 bits = quint64(readLittleEndian(8));
        double number;
        std::memcpy(&number, &bits, sizeof number);
        return finite(number);
    }
};

}  // namespace

StreamComponent readBinaryStream(QByteArrayView data)
{
    return BinaryReader(data).readRoot();
}
