#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The component tree that both forms of a layout file hold: a component with its class,
// its name, its properties in file order and its child components. Values keep the exact
// type byte they were stored with, so a binary file read and written again is unchanged.

enum class StreamValueType : quint8 {
    Null = 0, List = 1, Int8 = 2, Int16 = 3, Int32 = 4, Extended = 5, String = 6, Ident = 7,
    False = 8, True = 9, Binary = 10, Set = 11, LString = 12, Nil = 13, Collection = 14,
    Single = 15, Currency = 16, Date = 17, WString = 18, Int64 = 19, Utf8String = 20
};
constexpr int kLastStreamValueType = 20;

// Prefix flags of a component.
enum StreamComponentFlag : int { ffInherited = 1, ffChildPos = 2, ffInline = 4 };

// Bounds that keep a hostile file from exhausting the stack or the memory.
constexpr int kMaxStreamDepth = 32;
constexpr int kMaxStreamNodes = 250000;

struct StreamCollectionItem;

struct StreamValue {
    StreamValueType type = StreamValueType::Null;
    qint64 integer = 0;                       // Int8..Int64; Currency in ten-thousandths
    double number = 0;                        // Extended, Single, Date
    QString text;                             // the string kinds and Ident
    QByteArray bytes;                         // Binary
    QStringList names;                        // Set
    std::vector<StreamValue> list;            // List
    std::vector<StreamCollectionItem> items;  // Collection

    // Values built from code take the smallest type that holds them.
    static StreamValue fromInteger(qint64 value);
    static StreamValue fromString(const QString &value);
    static StreamValue fromIdent(const QString &value);
    static StreamValue fromBool(bool value);
    static StreamValue fromDouble(double value);  // Extended
    static StreamValue fromSet(const QStringList &value);
    static StreamValue ofType(StreamValueType type);

    bool isInteger() const;
    bool isString() const;  // any of the four string kinds
    bool isBool() const { return type == StreamValueType::False || type == StreamValueType::True; }
    bool isFloat() const;   // Extended, Single, Date, Currency
    // Integer or float as a double (currency scaled back).
    double toDouble() const;

    bool operator==(const StreamValue &other) const;
};

struct StreamProperty {
    QString name;  // may be a dotted path such as PrinterSetup.mmMarginTop
    StreamValue value;
    bool operator==(const StreamProperty &other) const;
};

struct StreamCollectionItem {
    std::optional<qint64> index;
    std::vector<StreamProperty> properties;
    bool operator==(const StreamCollectionItem &other) const;
};

struct StreamComponent {
    int flags = 0;        // StreamComponentFlag bits
    qint64 childPos = 0;  // meaningful with ffChildPos
    QString className;
    QString name;
    std::vector<StreamProperty> properties;
    std::vector<StreamComponent> children;

    const StreamValue *property(const QString &propertyName) const;
    void setProperty(const QString &propertyName, StreamValue value);
    bool operator==(const StreamComponent &other) const;
};

// Names in a stream are identifiers; property names may also be dotted paths.
bool isStreamIdentifier(QStringView text);
bool isStreamPropertyName(QStringView text);
// The one of the two above that fits where the name stands.
bool isStreamName(QStringView text, bool dotted);
