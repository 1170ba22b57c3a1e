#include "TextStreamReader.h"
#include "BinaryStreamWriter.h"
#include "StreamError.h"
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace {

enum class TokenKind { End, Name, Integer, Float, String, Symbol };

struct Token {
    TokenKind kind = TokenKind::End;
    QString text;            // Name, String, Symbol; the digits of a number
    QChar suffix;            // s, d or c after a number
    int line = 1;
};

bool isNameStart(QChar c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isNamePart(QChar c) { return isNameStart(c) || c.isDigit() || c == '.'; }
bool isDigit(QChar c) { return c >= '0' && c <= '9'; }

class Lexer {
public:
    explicit Lexer(QString text) : text_(std::move(text)) {}

    int line() const { return line_; }

    [[noreturn]] void fail(const QString &what, int line) const
    {
        throw streamError(QStringLiteral("%1 on line %2").arg(what).arg(line));
    }

    Token next()
    {
        skipSpace();
        Token token;
        token.line = line_;
        if (pos_ >= text_.size())
            return token;
        const QChar c = text_[pos_];
        if (isNameStart(c))
            return readName(token);
        if (isDigit(c) || c == '-')
            return readNumber(token);
        if (c == '\'' || c == '#')
            return readString(token);
        if (QStringLiteral("=:[](){}<>,+").contains(c)) {
            token.kind = TokenKind::Symbol;
            token.text = c;
            ++pos_;
            return token;
        }
        fail(QStringLiteral("an unexpected character '%1'").arg(c), line_);
    }

    // The hex digits of binary data, up to and including the closing brace.
    QByteArray readHexUntilBrace()
    {
        QByteArray hex;
        for (;;) {
            skipSpace();
            if (pos_ >= text_.size())
                fail("binary data without its closing brace", line_);
            const QChar c = text_[pos_++];
            if (c == '}')
                break;
            if (!isxdigit(c.unicode() < 128 ? c.toLatin1() : 'x'))
                fail("binary data with a character that is not a hex digit", line_);
            hex.append(c.toLatin1());
        }
        if (hex.size() % 2 != 0)
            fail("binary data with an odd number of hex digits", line_);
        return QByteArray::fromHex(hex);
    }

private:
    QString text_;
    qsizetype pos_ = 0;
    int line_ = 1;

    void skipSpace()
    {
        while (pos_ < text_.size() && text_[pos_].isSpace()) {
            if (text_[pos_] == '\n')
                ++line_;
            ++pos_;
        }
    }

    Token readName(Token &token)
    {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && isNamePart(text_[pos_]))
            ++pos_;
        token.kind = TokenKind::Name;
        token.text = text_.mid(start, pos_ - start);
        return token;
    }

    Token readNumber(Token &token)
    {
        const qsizetype start = pos_;
        if (text_[pos_] == '-')
            ++pos_;
        bool isFloat = false;
        while (pos_ < text_.size()) {
            const QChar c = text_[pos_];
            const bool exponentSign = (c == '-' || c == '+') && (text_[pos_ - 1] == 'e' || text_[pos_ - 1] == 'E');
            if (!(isDigit(c) || c == '.' || c == 'e' || c == 'E' || exponentSign))
                break;
            isFloat = isFloat || !isDigit(c);
            ++pos_;
        }
        token.kind = isFloat ? TokenKind::Float : TokenKind::Integer;
        token.text = text_.mid(start, pos_ - start);
        if (pos_ < text_.size() && (text_[pos_] == 's' || text_[pos_] == 'd' || text_[pos_] == 'c')) {
            token.suffix = text_[pos_++];
            token.kind = TokenKind::Float;
        }
        if (pos_ < text_.size() && isNamePart(text_[pos_]))
            fail(QStringLiteral("a malformed number '%1'").arg(text_.mid(start, pos_ + 1 - start)), line_);
        return token;
    }

    // Quoted runs and #code characters written next to each other form one string.
    Token readString(Token &token)
    {
        token.kind = TokenKind::String;
        while (pos_ < text_.size()) {
            if (text_[pos_] == '\'')
                readQuoted(token.text);
            else if (text_[pos_] == '#')
                readCode(token.text);
            else
                break;
        }
        return token;
    }

    void readQuoted(QString &out)
    {
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size() || text_[pos_] == '\n')
                fail("a string without its closing quote", line_);
            const QChar c = text_[pos_++];
            if (c != '\'') {
                out += c;
                continue;
            }
            if (pos_ < text_.size() && text_[pos_] == '\'') {
                out += '\'';
                ++pos_;
                continue;
            }
            return;
        }
    }

    void readCode(QString &out)
    {
        ++pos_;
        const qsizetype start = pos_;
        while (pos_ < text_.size() && isDigit(text_[pos_]) && pos_ - start < 8)
            ++pos_;
        bool ok = false;
        const uint code = text_.mid(start, pos_ - start).toUInt(&ok);
        if (!ok || code > 0x10FFFF)
            fail("a character code that is not a number up to 1114111", line_);
        if (code <= 0xFFFF)
            out += QChar(char16_t(code));
        else
            out += QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1);
    }
};

class TextReader {
public:
    explicit TextReader(QByteArrayView text) : lexer_(QString::fromUtf8(text)) { advance(); }

    StreamComponent readRoot() { return readComponent(1); }

private:
    Lexer lexer_;
    Token token_;
    int nodes_ = 0;

    [[noreturn]] void fail(const QString &what) const { lexer_.fail(what, token_.line); }

    void advance() { token_ = lexer_.next(); }

    bool atSymbol(QChar symbol) const { return token_.kind == TokenKind::Symbol && token_.text == symbol; }
    bool atName(const char *name) const { return token_.kind == TokenKind::Name && token_.text == QLatin1String(name); }
    bool atComponentStart() const { return atName("object") || atName("inherited") || atName("inline"); }

    void expectSymbol(QChar symbol)
    {
        if (!atSymbol(symbol))
            fail(QStringLiteral("'%1' expected").arg(symbol));
        advance();
    }

    QString expectIdentifier(const char *what, bool dotted = false)
    {
        if (token_.kind != TokenKind::Name || !isStreamName(token_.text, dotted))
            fail(QStringLiteral("%1 expected").arg(what));
        QString name = token_.text;
        advance();
        return name;
    }

    void countNode(int depth)
    {
        if (depth > kMaxStreamDepth)
            fail("nesting is too deep");
        if (++nodes_ > kMaxStreamNodes)
            fail("too many values");
    }

    StreamComponent readComponent(int depth)
    {
        countNode(depth);
        StreamComponent component;
        if (atName("inherited"))
            component.flags = ffInherited;
        else if (atName("inline"))
            component.flags = ffInline;
        else if (!atName("object"))
            fail("'object' expected");
        advance();
        QString first = expectIdentifier("a component name or class name");
        if (atSymbol(':')) {
            advance();
            component.name = first;
            component.className = expectIdentifier("a class name");
        } else {
            component.className = first;
        }
        if (atSymbol('[')) {
            advance();
            component.flags |= ffChildPos;
            component.childPos = readIntegerToken();
            expectSymbol(']');
        }
        while (!atName("end")) {
            if (token_.kind == TokenKind::End)
                fail("'end' expected");
            if (atComponentStart())
                component.children.push_back(readComponent(depth + 1));
            else
                component.properties.push_back(readProperty(depth + 1));
        }
        advance();
        return component;
    }

    StreamProperty readProperty(int depth)
    {
        countNode(depth);
        StreamProperty property;
        property.name = expectIdentifier("a property name", true);
        expectSymbol('=');
        property.value = readValue(depth);
        return property;
    }

    qint64 readIntegerToken()
    {
        if (token_.kind != TokenKind::Integer)
            fail("an integer expected");
        qint64 value = 0;
        const QByteArray digits = token_.text.toLatin1();
        const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (result.ec != std::errc() || result.ptr != digits.data() + digits.size())
            fail(QStringLiteral("the integer %1 is out of range").arg(token_.text));
        advance();
        return value;
    }

    StreamValue readValue(int depth)
    {
        countNode(depth);
        switch (token_.kind) {
        case TokenKind::Integer: return StreamValue::fromInteger(readIntegerToken());
        case TokenKind::Float: return readFloat();
        case TokenKind::String: return readString();
        case TokenKind::Name: return readWord();
        case TokenKind::Symbol: break;
        case TokenKind::End: fail("a value expected");
        }
        if (atSymbol('['))
            return readSet(depth);
        if (atSymbol('('))
            return readList(depth);
        if (atSymbol('{'))
            return readBinary();
        if (atSymbol('<'))
            return readCollection(depth);
        fail("a value expected");
    }

    StreamValue readWord()
    {
        static const QStringList reserved = {"False", "True", "nil", "Null"};
        static const StreamValueType reservedTypes[] = {StreamValueType::False, StreamValueType::True,
                                                        StreamValueType::Nil, StreamValueType::Null};
        const qsizetype at = reserved.indexOf(token_.text);
        if (at >= 0) {
            advance();
            return StreamValue::ofType(reservedTypes[at]);
        }
        return StreamValue::fromIdent(expectIdentifier("a value"));
    }

    StreamValue readFloat()
    {
        const QByteArray digits = token_.text.toLatin1();
        const char *first = digits.data();
        const char *last = first + digits.size();
        StreamValue value;
        if (token_.suffix == 'c') {
            value = StreamValue::ofType(StreamValueType::Currency);
            value.integer = parseCurrency(digits);
        } else if (token_.suffix == 's') {
            float number = 0;
            const auto result = std::from_chars(first, last, number);
            if (result.ec != std::errc() || result.ptr != last || !std::isfinite(number))
                fail(QStringLiteral("a malformed number %1").arg(token_.text));
            value = StreamValue::ofType(StreamValueType::Single);
            value.number = number;
        } else {
            double number = 0;
            const auto result = std::from_chars(first, last, number);
            if (result.ec != std::errc() || result.ptr != last || !std::isfinite(number))
                fail(QStringLiteral("a malformed number %1").arg(token_.text));
            value = StreamValue::fromDouble(number);
            if (token_.suffix == 'd')
                value.type = StreamValueType::Date;
        }
        advance();
        return value;
    }

    // Currency is read digit by digit so that 0.1c is exactly 1000 ten-thousandths.
    qint64 parseCurrency(const QByteArray &digits)
    {
        const bool negative = digits.startsWith('-');
        const QByteArray body = negative ? digits.mid(1) : digits;
        const qsizetype point = body.indexOf('.');
        const QByteArray whole = point < 0 ? body : body.left(point);
        const QByteArray fraction = point < 0 ? QByteArray() : body.mid(point + 1);
        const auto digitsOnly = [](const QByteArray &part) {
            return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
        };
        if (whole.isEmpty() || whole.size() > 15 || fraction.size() > 4 || !digitsOnly(whole) || !digitsOnly(fraction))
            fail(QStringLiteral("a malformed currency value %1").arg(token_.text));
        const qint64 scaled = whole.toLongLong() * 10000 + fraction.leftJustified(4, '0').toLongLong();
        return negative ? -scaled : scaled;
    }

    StreamValue readString()
    {
        QString text = token_.text;
        advance();
        while (atSymbol('+')) {
            advance();
            if (token_.kind != TokenKind::String)
                fail("a string expected after '+'");
            text += token_.text;
            advance();
        }
        return StreamValue::fromString(text);
    }

    StreamValue readSet(int depth)
    {
        advance();
        QStringList names;
        while (!atSymbol(']')) {
            if (!names.isEmpty())
                expectSymbol(',');
            countNode(depth + 1);
            names.push_back(expectIdentifier("a set element"));
        }
        advance();
        return StreamValue::fromSet(names);
    }

    StreamValue readList(int depth)
    {
        advance();
        StreamValue value = StreamValue::ofType(StreamValueType::List);
        while (!atSymbol(')')) {
            value.list.push_back(readValue(depth + 1));
            // The binary form ends a list with the byte of Null, so no list can hold one.
            if (value.list.back().type == StreamValueType::Null)
                fail("Null cannot stand in a list");
        }
        advance();
        return value;
    }

    StreamValue readBinary()
    {
        StreamValue value = StreamValue::ofType(StreamValueType::Binary);
        value.bytes = lexer_.readHexUntilBrace();
        advance();
        return value;
    }

    StreamValue readCollection(int depth)
    {
        advance();
        StreamValue value = StreamValue::ofType(StreamValueType::Collection);
        while (!atSymbol('>')) {
            countNode(depth + 1);
            if (!atName("item"))
                fail("'item' expected");
            advance();
            StreamCollectionItem item;
            if (atSymbol('[')) {
                advance();
                item.index = readIntegerToken();
                expectSymbol(']');
            }
            while (!atName("end")) {
                if (token_.kind == TokenKind::End)
                    fail("'end' expected");
                item.properties.push_back(readProperty(depth + 2));
            }
            advance();
            value.items.push_back(std::move(item));
        }
        advance();
        return value;
    }
};

}  // namespace

StreamComponent readTextStream(QByteArrayView text)
{
    return TextReader(text).readRoot();
}

QByteArray textStreamToBinary(QByteArrayView text)
{
    return writeBinaryStream(readTextStream(text));
}
