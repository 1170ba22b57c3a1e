#include "BinaryStreamReader.h"
#include "EngineError.h"
#include "TextStreamReader.h"
#include "TextStreamWriter.h"
#include <QLocale>
#include <gtest/gtest.h>

namespace {

// Every construct of the text form once.
const char *const kText = R"(object ppReport1: TppReport
  PrinterSetup.mmMarginTop = 6350
  Units = utInches
  Caption = 'It''s a #1 report'#13#10'second line'
  Long = 'abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz' +
    '0123456789'
  Accents = 'Caf)" "\xC3\xA9" R"('
  AutoStop = False
  Visible = True
  NoDataBehaviors = [ndBlankPage, ndMessageOnPage]
  Nothing = []
  Weight = 1.5
  Tiny = -2.5e-10
  Ratio = 0.1s
  Price = -12.3456c
  When = 45000.5d
  Big = 4294967296
  Small = -2
  Data = {
    0102FF}
  Items = (
    1
    'x'
    (
      nil)
    True)
  Columns = <
    item
      Width = 10
    end
    item [3]
      Width = 20
    end>
  object ppTitleBand2: TppTitleBand [7]
    mmHeight = 31485
  end
  inherited TppDetailBand
  end
end
)";

}  // namespace

TEST(TextStream, ReadsEveryConstruct)
{
    const StreamComponent report = readTextStream(kText);
    EXPECT_EQ(report.name, "ppReport1");
    EXPECT_EQ(report.className, "TppReport");
    EXPECT_EQ(report.property("PrinterSetup.mmMarginTop")->integer, 6350);
    EXPECT_EQ(report.property("PrinterSetup.mmMarginTop")->type, StreamValueType::Int16);
    EXPECT_EQ(report.property("Units")->text, "utInches");
    EXPECT_EQ(report.property("Caption")->text, "It's a #1 report\r\nsecond line");
    EXPECT_EQ(report.property("Caption")->type, StreamValueType::String);
    EXPECT_EQ(report.property("Long")->text.size(), 72);
    EXPECT_EQ(report.property("Accents")->text, QString::fromUtf8("Caf\xC3\xA9"));
    EXPECT_EQ(report.property("Accents")->type, StreamValueType::Utf8String);
    EXPECT_EQ(report.property("NoDataBehaviors")->names, QStringList({"ndBlankPage", "ndMessageOnPage"}));
    EXPECT_TRUE(report.property("Nothing")->names.isEmpty());
    EXPECT_EQ(report.property("Weight")->type, StreamValueType::Extended);
    EXPECT_EQ(report.property("Tiny")->number, -2.5e-10);
    EXPECT_EQ(report.property("Ratio")->number, double(0.1f));
    EXPECT_EQ(report.property("Price")->integer, -123456);
    EXPECT_EQ(report.property("When")->type, StreamValueType::Date);
    EXPECT_EQ(report.property("Big")->type, StreamValueType::Int64);
    EXPECT_EQ(report.property("Data")->bytes, QByteArray("\x01\x02\xFF"));
    EXPECT_EQ(report.property("Items")->list.size(), 4u);
    EXPECT_EQ(report.property("Items")->list[2].list[0].type, StreamValueType::Nil);
    EXPECT_EQ(report.property("Columns")->items[1].index, 3);
    ASSERT_EQ(report.children.size(), 2u);
    EXPECT_EQ(report.children[0].childPos, 7);
    EXPECT_EQ(report.children[1].flags, ffInherited);
    EXPECT_TRUE(report.children[1].name.isEmpty());
}

TEST(TextStream, WrittenTextReadsBackEqual)
{
    const StreamComponent report = readTextStream(kText);
    const QByteArray written = writeTextStream(report);
    EXPECT_EQ(readTextStream(written), report) << written.toStdString();
    // The text goes to the binary form and back without change as well.
    EXPECT_EQ(readBinaryStream(textStreamToBinary(written)), report);
}

TEST(TextStream, AnyStringSurvivesTheTextForm)
{
    StreamComponent c{0, 0, "T", "n", {}, {}};
    const QString texts[] = {"", "'", "''", QString(200, 'q') + "'", QString::fromLatin1("a\tb\0c", 5), QString(QChar(0xD800)),
                             QString::fromUtf8("\xF0\x9F\x98\x80 smile"), QString(65, 'x') + QChar(0x00E9)};
    for (const QString &text : texts)
        c.properties.push_back({"S", StreamValue::fromString(text)});
    EXPECT_EQ(readTextStream(writeTextStream(c)), c);
}

TEST(TextStream, NumbersUseAPointWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    StreamComponent c{0, 0, "TppLine", "ppLine1", {}, {}};
    c.properties.push_back({"Weight", StreamValue::fromDouble(1.5)});
    c.properties.push_back({"Whole", StreamValue::fromDouble(3)});
    StreamValue money = StreamValue::ofType(StreamValueType::Currency);
    money.integer = -1000;
    c.properties.push_back({"Money", money});
    const QByteArray text = writeTextStream(c);
    QLocale::setDefault(QLocale::c());
    EXPECT_TRUE(text.contains("Weight = 1.5\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("Whole = 3.0\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("Money = -0.1c\n")) << text.toStdString();
    EXPECT_EQ(readTextStream(text), c);
}

TEST(TextStream, MalformedTextRaisesTheError)
{
    const struct {
        const char *what;
        QByteArray text;
    } cases[] = {
        {"empty", ""},
        {"no end", "object a: T\n  X = 1\n"},
        {"unclosed string", "object a: T\n  X = 'abc\nend\n"},
        {"no value", "object a: T\n  X =\nend\n"},
        {"bad number", "object a: T\n  X = 12abc\nend\n"},
        {"integer too big", "object a: T\n  X = 99999999999999999999\nend\n"},
        {"float too big", "object a: T\n  X = 1e999\nend\n"},
        {"currency with five decimals", "object a: T\n  X = 1.23456c\nend\n"},
        {"odd hex", "object a: T\n  X = {ABC}\nend\n"},
        {"unclosed binary", "object a: T\n  X = {AB\n"},
        {"bad character", "object a: T\n  X = @\nend\n"},
        {"character code too big", "object a: T\n  X = #1114112\nend\n"},
        {"set without comma", "object a: T\n  X = [a b]\nend\n"},
        {"item without end", "object a: T\n  X = <item\n  Y = 1\n>\nend\n"},
        {"dangling plus", "object a: T\n  X = 'a' + 1\nend\n"},
        {"no class", "object a:\nend\n"},
        {"starts with a value", "1\n"},
        {"Null in a list", "object a: T\n  X = (1 Null)\nend\n"},
    };
    for (const auto &c : cases)
        EXPECT_THROW(readTextStream(c.text), EngineError) << c.what;
}

TEST(TextStream, ErrorsNameTheLine)
{
    try {
        readTextStream("object a: T\n  X = 1\n  Y = @\nend\n");
        FAIL();
    } catch (const EngineError &error) {
        EXPECT_TRUE(error.text().contains("line 3")) << error.text().toStdString();
    }
}

TEST(TextStream, NestingIsBounded)
{
    QByteArray objects;
    for (int i = 0; i < 5000; ++i)
        objects += "object T\n";
    EXPECT_THROW(readTextStream(objects), EngineError);
    const QByteArray lists = "object a: T\n  X = " + QByteArray(100000, '(') + "\nend\n";
    EXPECT_THROW(readTextStream(lists), EngineError);
}
