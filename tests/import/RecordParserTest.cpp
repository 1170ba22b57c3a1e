#include "ChunkedInput.h"
#include "RecordParser.h"
#include "TableDatabase.h"
#include "TransactionTable.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

struct Parsed {
    int count;
    std::vector<std::string> fields;  // the texts of the streams that were filled
    bool operator==(const Parsed &) const = default;
};

void PrintTo(const Parsed &p, std::ostream *os) {
    *os << p.count << " [";
    for (const auto &f : p.fields) *os << '<' << f << '>';
    *os << ']';
}

// Parses the whole input record by record with `streams` streams.
std::vector<Parsed> parseAll(const QByteArray &bytes, const ParserSettings &settings, size_t streams = 9,
                             std::vector<QByteArray> *recordTexts = nullptr,
                             int window = ChunkedInput::DefaultWindow) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    ChunkedInput input(buffer, window);
    RecordParser parser(input, settings);
    std::vector<Parsed> records;
    while (!input.atEnd()) {
        std::vector<TFieldStream> list(streams);
        const int count = parser.ParseDelimitedRecord(false, list);
        Parsed parsed{count, {}};
        for (int i = 0; i < std::min<int>(count, int(streams)); ++i) parsed.fields.push_back(list[i].Text.toStdString());
        records.push_back(parsed);
        if (recordTexts) recordTexts->push_back(parser.RecordText());
        if (count < 0) break;
    }
    return records;
}

struct DelimitedCase {
    const char *name;
    QByteArray input;
    std::vector<Parsed> expected;
};

class DelimitedRecords : public ::testing::TestWithParam<DelimitedCase> {};

TEST_P(DelimitedRecords, GiveTheirFields) {
    EXPECT_EQ(parseAll(GetParam().input, ParserSettings{}), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DelimitedRecords,
    ::testing::Values(
        DelimitedCase{"DoubledQuote", "\"a\"\"b\"\n", {{1, {"a\"b"}}}},
        DelimitedCase{"EmptyQuotedFieldAmongOthers", "x,\"\",y\n", {{3, {"x", "", "y"}}}},
        DelimitedCase{"SeparatorInsideQuotes", "\"x,y\",z\n", {{2, {"x,y", "z"}}}},
        DelimitedCase{"BlanksAroundQuotedField", "  \"abc\"  ,d\n", {{2, {"abc", "d"}}}},
        DelimitedCase{"QuoteInsideUnquotedField", "ab\"c\n", {{1, {"ab\"c"}}}},
        DelimitedCase{"BlanksOfUnquotedFieldKept", "a, b\n", {{2, {"a", " b"}}}},
        DelimitedCase{"QuotedLineBreakStaysInField", "\"one\ntwo\",x\nnext\n", {{2, {"one\ntwo", "x"}}, {1, {"next"}}}},
        DelimitedCase{"CarriageReturnLineFeed", "a,\"b\"\r\nc,d\r\n", {{2, {"a", "b"}}, {2, {"c", "d"}}}},
        DelimitedCase{"CarriageReturnInsideQuotesKept", "\"a\rb\"\n", {{1, {"a\rb"}}}},
        DelimitedCase{"BlankLines", "\n\r\n\"\"\n   \n", {{0, {}}, {0, {}}, {0, {}}, {1, {"   "}}}},
        DelimitedCase{"TrailingSeparatorBeforeLineEnd", "a,b,\n", {{3, {"a", "b", ""}}}},
        DelimitedCase{"TrailingSeparatorAtEndOfFile", "a,b,", {{2, {"a", "b"}}}},
        DelimitedCase{"QuotedLastFieldWithoutLineEnd", "a,\"b c\"", {{2, {"a", "b c"}}}},
        DelimitedCase{"UnterminatedQuoteRunsToEnd", "a,\"b,c\nd", {{2, {"a", "b,c\nd"}}}},
        DelimitedCase{"CommentLine", "; \"x\",y,z\na\n", {{0, {}}, {1, {"a"}}}},
        DelimitedCase{"CtrlZEndsRecord", "a,b\x1a" "c\n", {{2, {"a", "b"}}, {1, {"c"}}}},
        DelimitedCase{"TextAfterClosingQuoteDropped", "\"ab\"cd,e\n", {{2, {"ab", "e"}}}},
        DelimitedCase{"BackslashIsPlainWithoutEscapes", "a\\nb\n", {{1, {"a\\nb"}}}}),
    [](const auto &info) { return info.param.name; });

// Fields are sliced out of the input's window; wherever its edges fall, in a field, on a
// doubled quote, an escape or a line end, the records come out the same.
TEST(DelimitedRecord, SameRecordsThroughAnyWindow) {
    QByteArray input;
    for (const char *text : {"a,\"b\"\"c\",d\r\n", "\"one\ntwo\",x\n", "; comment, \"quoted\n", "  \"abc\"  ,d\n",
                             "q\\\"x\\n,\"e\\\\f\"\n", "\"ab\"cd,e\x1a" "z\n", "a,b,\n\n", "last,\"open\\"})
        input += text;
    ParserSettings plain, escaping;
    escaping.Escapes = {esNL, esDquote, esBslash};
    for (const ParserSettings *settings : {&plain, &escaping}) {
        std::vector<QByteArray> wholeTexts;
        const auto whole = parseAll(input, *settings, 3, &wholeTexts);
        for (int window : {1, 2, 3, 5, 8, 13, 64}) {
            std::vector<QByteArray> texts;
            EXPECT_EQ(parseAll(input, *settings, 3, &texts, window), whole) << "window " << window;
            EXPECT_EQ(texts, wholeTexts) << "window " << window;
        }
    }
}

TEST(DelimitedRecord, ExtraFieldsAreCountedButNotKept) {
    const auto records = parseAll("1,2,3,4,5,6,7,8,9,10\n", ParserSettings{}, 9);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].count, 10);
    EXPECT_EQ(records[0].fields.back(), "9");
}

TEST(DelimitedRecord, FieldLimitCountsClosingQuoteAndCarriageReturn) {
    const QByteArray full(255, 'x'), over(256, 'x'), quoted254 = '"' + QByteArray(254, 'x') + '"';
    const ParserSettings settings;
    EXPECT_EQ(parseAll(full + "\n", settings)[0].count, 1);
    EXPECT_EQ(parseAll(over + "\n", settings)[0].count, -1);
    EXPECT_EQ(parseAll(quoted254 + "\n", settings)[0].count, 1);
    EXPECT_EQ(parseAll('"' + full + "\"\n", settings)[0].count, -1);
    EXPECT_EQ(parseAll(full + "\r\n", settings)[0].count, -1);
}

TEST(DelimitedRecord, RecordTextSpansQuotedLinesWithoutItsEnd) {
    std::vector<QByteArray> texts;
    parseAll("\"a\nb\",c\r\nd\n", ParserSettings{}, 9, &texts);
    EXPECT_EQ(texts, (std::vector<QByteArray>{"\"a\nb\",c\r", "d"}));
}

TEST(DelimitedRecord, EscapesDecodeOnlyWhenEnabled) {
    ParserSettings settings;
    settings.Escapes = {esNL, esDquote};
    EXPECT_EQ(parseAll("a\\nb,\"q\\\"x\",\\t\n", settings),
              (std::vector<Parsed>{{3, {"a\nb", "q\"x", "\\t"}}}));
}

TEST(DelimitedRecord, SkipFlagConsumesQuotesAndAll) {
    QBuffer buffer;
    buffer.setData("\"title,\nsecond\n");
    buffer.open(QIODevice::ReadOnly);
    ChunkedInput input(buffer);
    ParserSettings settings;
    RecordParser parser(input, settings);
    std::vector<TFieldStream> streams(2);
    EXPECT_EQ(parser.ParseDelimitedRecord(true, streams), 0);
    EXPECT_EQ(parser.ParseDelimitedRecord(false, streams), 1);
    EXPECT_EQ(streams[0].Text, "second");
}

// A line far longer than any field must fail early and cheaply, not be collected.
TEST(DelimitedRecord, HugeLineFailsWithinTheFieldLimit) {
    QByteArray line(10 * 1024 * 1024, 'x');
    std::vector<QByteArray> texts;
    const auto records = parseAll(line + "\n", ParserSettings{}, 9, &texts);
    EXPECT_EQ(records[0].count, -1);
    EXPECT_LE(texts[0].size(), 64 * 1024);
}

TEST(DelimitedRecord, HugeLineOfSeparatorsIsCountedInBoundedMemory) {
    QByteArray line(3 * 1024 * 1024, ',');
    std::vector<QByteArray> texts;
    const auto records = parseAll(line + "\n", ParserSettings{}, 9, &texts);
    EXPECT_EQ(records[0].count, line.size() + 1);
    EXPECT_LE(texts[0].size(), 64 * 1024);
}

// Records longer than a chunk, and many records, must come out whole and in order.
TEST(DelimitedRecord, RecordsAcrossChunkBoundaries) {
    QByteArray input;
    std::vector<Parsed> expected;
    for (int i = 0; i < 300; ++i) {
        const std::string field(i % 250, char('a' + i % 26));
        input += QByteArray::fromStdString(field) + ",\"" + QByteArray::number(i) + "\"\r\n";
        expected.push_back({2, {field, std::to_string(i)}});
    }
    EXPECT_EQ(parseAll(input, ParserSettings{}, 2), expected);
}

class FixedRecords : public ::testing::Test {
protected:
    std::vector<Parsed> parse(const QByteArray &bytes) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        ChunkedInput input(buffer);
        ParserSettings settings;
        RecordParser parser(input, settings);
        std::vector<Parsed> records;
        while (!input.atEnd()) {
            std::vector<TFieldStream> streams(2);
            for (auto &stream : streams) stream.Width = 3, stream.Field = &table.fieldByName("Description");
            const int count = parser.ParseFixedRecord(streams);
            Parsed parsed{count, {}};
            for (int i = 0; i < std::min(count, 2); ++i) parsed.fields.push_back(streams[i].Text.toStdString());
            records.push_back(parsed);
        }
        return records;
    }
    TableDatabase database;
    TransactionTable table{database};
};

TEST_F(FixedRecords, CutAtTheirWidths) {
    EXPECT_EQ(parse("abcdef\nabcdefgh\nabcde\n;comment\n"),
              (std::vector<Parsed>{{2, {"abc", "def"}}, {2, {"abc", "def"}}, {2, {"abc", "de"}}, {0, {}}}));
}

TEST_F(FixedRecords, CarriageReturnIsNotPartOfTheLastColumn) {
    EXPECT_EQ(parse("abcde\r\nabcdef\r\n"), (std::vector<Parsed>{{2, {"abc", "de"}}, {2, {"abc", "def"}}}));
}

} // namespace
