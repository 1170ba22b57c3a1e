#include "StreamTree.h"

// Written out rather than defaulted: some compilers crash on a defaulted comparison of a
// type that holds a vector of itself.
bool StreamValue::operator==(const StreamValue &other) const {
    return type == other.type && integer == other.integer && number == other.number && text == other.text &&
           bytes == other.bytes && names == other.names && list == other.list && items == other.items;
}

bool StreamProperty::operator==(const StreamProperty &other) const {
    return name == other.name && value == other.value;
}

bool StreamCollectionItem::operator==(const StreamCollectionItem &other) const {
    return index == other.index && properties == other.properties;
}

bool StreamComponent::operator==(const StreamComponent &other) const {
    return flags == other.flags && childPos == other.childPos && className == other.className && name == other.name &&
           properties == other.properties && children == other.children;
}

StreamValue StreamValue::ofType(StreamValueType type)
{
    StreamValue value;
    value.type = type;
    return value;
}

StreamValue StreamValue::fromInteger(qint64 value)
{
    StreamValue result;
    result.integer = value;
    if (value >= -128 && value <= 127)
        result.type = StreamValueType::Int8;
    else if (value >= -32768 && value <= 32767)
        result.type = StreamValueType::Int16;
    else if (value >= INT32_MIN && value <= INT32_MAX)
        result.type = StreamValueType::Int32;
    else
        result.type = StreamValueType::Int64;
    return result;
}

StreamValue StreamValue::fromString(const QString &value)
{
    bool ascii = true;
    for (QChar c : value)
        ascii = ascii && c.unicode() < 128;
    StreamValue result;
    result.text = value;
    // Anything beyond ASCII goes as UTF-8, so no code page is ever needed to read it back.
    if (!ascii)
        result.type = StreamValueType::Utf8String;
    else if (value.size() <= 255)
        result.type = StreamValueType::String;
    else
        result.type = StreamValueType::LString;
    return result;
}

StreamValue StreamValue::fromIdent(const QString &value)
{
    StreamValue result = ofType(StreamValueType::Ident);
    result.text = value;
    return result;
}

StreamValue StreamValue::fromBool(bool value)
{
    return ofType(value ? StreamValueType::True : StreamValueType::False);
}

StreamValue StreamValue::fromDouble(double value)
{
    StreamValue result = ofType(StreamValueType::Extended);
    result.number = value;
    return result;
}

StreamValue StreamValue::fromSet(const QStringList &value)
{
    StreamValue result = ofType(StreamValueType::Set);
    result.names = value;
    return result;
}

bool StreamValue::isInteger() const
{
    return type == StreamValueType::Int8 || type == StreamValueType::Int16 || type == StreamValueType::Int32
        || type == StreamValueType::Int64;
}

bool StreamValue::isString() const
{
    return type == StreamValueType::String || type == StreamValueType::LString || type == StreamValueType::WString
        || type == StreamValueType::Utf8String;
}

bool StreamValue::isFloat() const
{
    return type == StreamValueType::Extended || type == StreamValueType::Single || type == StreamValueType::Date
        || type == StreamValueType::Currency;
}

double StreamValue::toDouble() const
{
    if (isInteger())
        return double(integer);
    if (type == StreamValueType::Currency)
        return double(integer) / 10000.0;
    return number;
}

const StreamValue *StreamComponent::property(const QString &propertyName) const
{
    for (const StreamProperty &p : properties)
        if (p.name == propertyName)
            return &p.value;
    return nullptr;
}

void StreamComponent::setProperty(const QString &propertyName, StreamValue value)
{
    for (StreamProperty &p : properties)
        if (p.name == propertyName) {
            p.value = std::move(value);
            return;
        }
    properties.push_back({propertyName, std::move(value)});
}

static bool isIdentStart(QChar c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
static bool isIdentPart(QChar c) { return isIdentStart(c) || (c >= '0' && c <= '9'); }

bool isStreamIdentifier(QStringView text)
{
    if (text.isEmpty() || !isIdentStart(text.front()))
        return false;
    for (QChar c : text)
        if (!isIdentPart(c))
            return false;
    return true;
}

bool isStreamPropertyName(QStringView text)
{
    for (QStringView part : text.split(u'.'))
        if (!isStreamIdentifier(part))
            return false;
    return true;
}

bool isStreamName(QStringView text, bool dotted)
{
    return dotted ? isStreamPropertyName(text) : isStreamIdentifier(text);
}
