#include "PageExport.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <gtest/gtest.h>

namespace {

TppDrawText textOf(const QString &text) {
    TppDrawText t;
    t.left = 9525;
    t.top = -3;
    t.width = 19579;
    t.height = 3950;
    t.text = text;
    return t;
}

QByteArray jsonOf(const std::vector<TppPage> &pages) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    std::size_t next = 0;
    writePagesJson(buffer, int(pages.size()), [&]() -> std::optional<TppPage> {
        if (next == pages.size()) return std::nullopt;
        return pages[next++];
    });
    return buffer.data();
}

// Each page is one line holding exactly what a JSON object of it serialises to: the same
// keys in the same order, numbers and escapes, so readers of earlier files read these alike.
TEST(PagesJson, EachPageLineIsTheCompactJsonOfItsCommands) {
    const QString texts[] = {"Groceries", "Pizza \"Napoli\" \\ 50%", QString("tab\there\nline\r\b\f") + QChar(1) + QChar(0x1f),
                             "Café 12 € ✓", QString::fromUcs4(U"\U0001F4B0 saved"), "", QString(QChar(0x7f))};
    TppPage first;
    first.pageNo = 7;
    for (const QString &text : texts) first.commands.push_back(textOf(text));
    TppDrawText styled = textOf("Total");
    styled.font = TppFont{"Times New Roman", 10.5, true, true, true, true, qRgb(0, 128, 128), 0};
    styled.alignment = TppTextAlignment::taFullJustified;
    first.commands.push_back(styled);
    first.commands.push_back(TppDrawLine{8996, 47625, 196586, 1588, qRgb(0, 0, 255), 1.5});
    first.commands.push_back(TppDrawLine{0, 0, 10, 0, qRgb(1, 2, 3), 0.1});
    TppPage empty;
    empty.pageNo = 8;

    const QList<QByteArray> lines = jsonOf({first, empty}).split('\n');
    ASSERT_EQ(lines.size(), 5);  // head, two pages, tail, the final line break
    EXPECT_EQ(lines[0], "{\"pageCount\": 2, \"pages\": [");
    for (const int line : {1, 2}) {
        const QByteArray page = lines[line].endsWith(',') ? lines[line].chopped(1) : lines[line];
        QJsonParseError error;
        const QJsonDocument parsed = QJsonDocument::fromJson(page, &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << page.toStdString();
        EXPECT_EQ(parsed.toJson(QJsonDocument::Compact), page);
    }
    EXPECT_EQ(lines[3], "]}");

    const QJsonArray commands = QJsonDocument::fromJson(lines[1].chopped(1))["commands"].toArray();
    ASSERT_EQ(commands.size(), qsizetype(std::size(texts)) + 3);
    for (std::size_t i = 0; i < std::size(texts); ++i) EXPECT_EQ(commands[qsizetype(i)]["text"].toString(), texts[i]) << i;
    const QJsonObject font = commands[7]["font"].toObject();
    EXPECT_EQ(font["style"].toArray(), QJsonArray({"bold", "italic", "underline", "strikeout"}));
    EXPECT_EQ(font["color"].toString(), "#008080");
    EXPECT_EQ(font["size"].toDouble(), 10.5);
    EXPECT_EQ(commands[7]["alignment"].toString(), "justify");
    EXPECT_EQ(commands[8]["weight"].toDouble(), 1.5);
    EXPECT_EQ(commands[8]["color"].toString(), "#0000ff");
}

// Damaged texts and numbers still give a file every JSON reader accepts.
TEST(PagesJson, HalfSurrogatesAndNonFiniteNumbersStayValidJson) {
    TppPage page;
    page.commands.push_back(textOf(QString(QChar(0xd83d)) + "x" + QChar(0xdcb0)));
    TppDrawText huge = textOf("x");
    huge.font.size = std::nan("");
    page.commands.push_back(huge);
    page.commands.push_back(TppDrawLine{0, 0, 10, 0, qRgb(0, 0, 0), INFINITY});
    const QByteArray json = jsonOf({page});
    EXPECT_TRUE(json.contains("\"\\ud83dx\\udcb0\"")) << json.toStdString();
    QJsonParseError error;
    QJsonDocument::fromJson(json, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << json.toStdString();
}

} // namespace
