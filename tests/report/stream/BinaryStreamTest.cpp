#include "BinaryStreamReader.h"
#include "BinaryStreamWriter.h"
#include "EngineError.h"
#include "ExtendedFloat.h"
#include <gtest/gtest.h>
#include <cmath>

namespace {

QByteArray name(const char *text) { return char(strlen(text)) + QByteArray(text); }

// A report holding one value of every type, written byte by byte.
QByteArray fixture()
{
    QByteArray b = "TPF0";
    b += name("TppReport") + name("ppReport1");
    b += name("PrinterSetup.mmMarginTop") + QByteArray("\x03\xCE\x18", 3);  // Int16 6350
    b += name("Units") + "\x07" + name("utInches");
    b += name("Caption") + "\x06" + name("Hello");
    b += name("AutoStop") + "\x08";
    b += name("Visible") + "\x09";
    b += name("NoDataBehaviors") + "\x0B" + name("ndBlankPage") + name("ndMessageOnPage") + '\0';
    b += name("Weight") + QByteArray("\x05\0\0\0\0\0\0\0\xC0\xFF\x3F", 11);  // Extended 1.5
    b += name("Small") + QByteArray("\x02\xFE", 2);                           // Int8 -2
    b += name("Big") + QByteArray("\x04\xA0\x86\x01\x00", 5);                 // Int32 100000
    b += name("Huge") + QByteArray("\x13\0\0\0\0\x01\0\0\0", 9);              // Int64 2^32
    b += name("Ratio") + QByteArray("\x0F\0\0\xC0\x3F", 5);                   // Single 1.5
    b += name("Price") + QByteArray("\x10\x40\xE2\x01\0\0\0\0\0", 9);         // Currency 12.3456
    b += name("When") + QByteArray("\x11\0\0\0\0\x10\xF9\xE5\x40", 9);        // Date 45000.5
    b += name("Memo") + QByteArray("\x0C\x03\0\0\0abc", 8);
    b += name("Wide") + QByteArray("\x12\x02\0\0\0\xE9\0z\0", 9);
    b += name("Utf") + QByteArray("\x14\x02\0\0\0\xC3\xA9", 7);
    b += name("Data") + QByteArray("\x0A\x03\0\0\0\x01\x02\x03", 8);
    b += name("Items") + QByteArray("\x01\x02\x01\x06\x01x\0", 7);            // (1 'x')
    b += name("Nothing") + "\x0D";
    b += name("Empty") + QByteArray(1, '\0');
    b += name("Columns") + "\x0E";
    b += QByteArray("\x01", 1) + name("Width") + QByteArray("\x02\x0A\0", 3);          // item
    b += QByteArray("\x02\x03\x01", 3) + name("Width") + QByteArray("\x02\x14\0", 3);  // item [3]
    b += QByteArray(1, '\0');
    b += QByteArray(1, '\0');  // end of the report's properties
    b += QByteArray("\xF2\x02\x07", 3) + name("TppTitleBand") + name("ppTitleBand2");  // child position 7
    b += name("mmHeight") + QByteArray("\x03\xFD\x7A", 3) + '\0';                      // 31485
    b += QByteArray(1, '\0');  // the band has no children
    b += QByteArray(1, '\0');  // end of the report's children
    return b;
}

const StreamValue &prop(const StreamComponent &c, const char *propertyName)
{
    const StreamValue *value = c.property(propertyName);
    if (!value)
        throw std::runtime_error(propertyName);
    return *value;
}

}  // namespace

TEST(BinaryStream, ReadsAHandBuiltStreamWithEveryValueType)
{
    const StreamComponent report = readBinaryStream(fixture());
    EXPECT_EQ(report.className, "TppReport");
    EXPECT_EQ(report.name, "ppReport1");
    EXPECT_EQ(prop(report, "PrinterSetup.mmMarginTop").integer, 6350);
    EXPECT_EQ(prop(report, "Units").type, StreamValueType::Ident);
    EXPECT_EQ(prop(report, "Units").text, "utInches");
    EXPECT_EQ(prop(report, "Caption").text, "Hello");
    EXPECT_EQ(prop(report, "AutoStop").type, StreamValueType::False);
    EXPECT_EQ(prop(report, "Visible").type, StreamValueType::True);
    EXPECT_EQ(prop(report, "NoDataBehaviors").names, QStringList({"ndBlankPage", "ndMessageOnPage"}));
    EXPECT_EQ(prop(report, "Weight").number, 1.5);
    EXPECT_EQ(prop(report, "Small").integer, -2);
    EXPECT_EQ(prop(report, "Big").integer, 100000);
    EXPECT_EQ(prop(report, "Huge").integer, 4294967296LL);
    EXPECT_EQ(prop(report, "Ratio").number, 1.5);
    EXPECT_EQ(prop(report, "Price").integer, 123456);
    EXPECT_DOUBLE_EQ(prop(report, "Price").toDouble(), 12.3456);
    EXPECT_EQ(prop(report, "When").number, 45000.5);
    EXPECT_EQ(prop(report, "Memo").text, "abc");
    EXPECT_EQ(prop(report, "Wide").text, QString::fromUtf8("\xC3\xA9z"));
    EXPECT_EQ(prop(report, "Utf").text, QString::fromUtf8("\xC3\xA9"));
    EXPECT_EQ(prop(report, "Data").bytes, QByteArray("\x01\x02\x03"));
    ASSERT_EQ(prop(report, "Items").list.size(), 2u);
    EXPECT_EQ(prop(report, "Items").list[0].integer, 1);
    EXPECT_EQ(prop(report, "Items").list[1].text, "x");
    EXPECT_EQ(prop(report, "Nothing").type, StreamValueType::Nil);
    EXPECT_EQ(prop(report, "Empty").type, StreamValueType::Null);
    const auto &items = prop(report, "Columns").items;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_FALSE(items[0].index.has_value());
    EXPECT_EQ(items[0].properties[0].value.integer, 10);
    EXPECT_EQ(items[1].index, 3);
    EXPECT_EQ(items[1].properties[0].value.integer, 20);
    ASSERT_EQ(report.children.size(), 1u);
    const StreamComponent &band = report.children[0];
    EXPECT_EQ(band.flags, ffChildPos);
    EXPECT_EQ(band.childPos, 7);
    EXPECT_EQ(band.className, "TppTitleBand");
    EXPECT_EQ(prop(band, "mmHeight").integer, 31485);
}

TEST(BinaryStream, WritesWhatItReadByteForByte)
{
    EXPECT_EQ(writeBinaryStream(readBinaryStream(fixture())), fixture());
}

TEST(BinaryStream, EveryTruncationIsAnError)
{
    const QByteArray whole = fixture();
    for (qsizetype length = 0; length < whole.size(); ++length)
        EXPECT_THROW(readBinaryStream(whole.left(length)), EngineError) << "length " << length;
}

TEST(BinaryStream, MalformedStreamsRaiseTheError)
{
    const QByteArray head = "TPF0" + name("TppReport") + name("ppReport1");
    const struct {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        {"no signature", "TPF1" + fixture().mid(4)},
        {"type byte 21", head + name("X") + "\x15"},
        {"huge long string", head + name("X") + QByteArray("\x0C\xFF\xFF\xFF\x7F", 5) + "abc"},
        {"negative binary length", head + name("X") + QByteArray("\x0A\xFF\xFF\xFF\xFF", 5)},
        {"huge wide string", head + name("X") + QByteArray("\x12\x00\x00\x00\x40", 5) + "ab"},
        {"short string past the end", head + name("X") + "\x06\xFF" + "ab"},
        {"infinite extended", head + name("X") + QByteArray("\x05\0\0\0\0\0\0\0\x80\xFF\x7F", 11) + QByteArray(2, '\0')},
        {"name not an identifier", head + name("A B") + QByteArray("\x08\0\0", 3)},
        {"empty class name", QByteArray("TPF0") + QByteArray(4, '\0')},
        {"collection item without list marker", head + name("X") + QByteArray("\x0E\x02\x01\x06", 4)},
        {"text as child position", QByteArray("TPF0\xF2\x06\x01x", 8) + name("T") + QByteArray(3, '\0')},
    };
    for (const auto &c : cases)
        EXPECT_THROW(readBinaryStream(c.bytes), EngineError) << c.what;
}

TEST(BinaryStream, NestingIsBounded)
{
    // Lists inside lists, and components inside components, far deeper than any layout.
    QByteArray lists = "TPF0" + name("T") + name("n") + name("X") + QByteArray(100000, '\x01');
    EXPECT_THROW(readBinaryStream(lists), EngineError);

    QByteArray components = "TPF0";
    for (int i = 0; i < 10000; ++i)
        components += name("T") + name("") + '\0';
    EXPECT_THROW(readBinaryStream(components), EngineError);

    QByteArray shallow = "TPF0";
    for (int i = 0; i < kMaxStreamDepth; ++i)
        shallow += name("T") + name("") + '\0';
    shallow += QByteArray(kMaxStreamDepth, '\0');
    EXPECT_NO_THROW(readBinaryStream(shallow));
}

TEST(BinaryStream, TheNumberOfValuesIsBounded)
{
    QByteArray many = "TPF0" + name("T") + name("n") + name("X") + "\x01" + QByteArray(kMaxStreamNodes + 10, '\x0D') + '\0';
    many += QByteArray(2, '\0');
    EXPECT_THROW(readBinaryStream(many), EngineError);
}

TEST(BinaryStream, EightBitStringsFallBackToSingleBytesWhenNotUtf8)
{
    const QByteArray bytes = "TPF0" + name("T") + name("n") + name("X") + "\x06\x02\xE9z" + QByteArray(2, '\0');
    EXPECT_EQ(prop(readBinaryStream(bytes), "X").text, QString::fromUtf8("\xC3\xA9z"));
}

TEST(ExtendedFloat, ConvertsBothWays)
{
    for (double value : {0.0, -0.0, 1.5, -123.456, 1e300, 5e-324, 0.1, 177800.0}) {
        const QByteArray bytes = doubleToExtended(value);
        const std::optional<double> back = extendedToDouble(bytes.data());
        ASSERT_TRUE(back.has_value()) << value;
        EXPECT_EQ(*back, value);
        EXPECT_EQ(std::signbit(*back), std::signbit(value));
    }
    EXPECT_EQ(doubleToExtended(1.0), QByteArray("\0\0\0\0\0\0\0\x80\xFF\x3F", 10));
}
