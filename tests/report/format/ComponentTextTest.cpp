#include "ComponentText.h"
#include "TextPlacement.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

const LocaleFormats us = LocaleFormats::unitedStates();

TEST(DataText, IsEmptyForMissingFieldsNullsAndBlankZeros) {
    EXPECT_EQ(dataText({false, TppDataType::dtString, QString("x")}, "", false, us), "");
    EXPECT_EQ(dataText({true, TppDataType::dtDate, TppValue{}}, "", false, us), "");
    EXPECT_EQ(dataText({true, TppDataType::dtCurrency, TppCurrency{0}}, "", true, us), "");
    EXPECT_EQ(dataText({true, TppDataType::dtCurrency, TppCurrency{0}}, "", false, us), "$0.00");
    EXPECT_EQ(dataText({true, TppDataType::dtDate, TppDateTime{45000}}, "", false, us), "3/15/2023");
    EXPECT_EQ(dataText({true, TppDataType::dtNotKnown, QString("Food")}, "", false, us), "Food");
}

TEST(CalcText, FollowsTheCalcTypeAndTheFieldKind) {
    struct Case {
        TppDBCalcType type;
        double value;
        qint64 count;
        bool dateField;
        const char *format;
        bool blankWhenZero;
        const char *expected;
    };
    using enum TppDBCalcType;
    const Case cases[] = {
        {dcSum, 1234.5, 3, false, "0.00", false, "1234.50"},
        {dcSum, -5, 1, false, "0.00", false, "-5.00"},
        {dcSum, 0, 0, false, "0.00", false, "0.00"},
        {dcSum, 0, 2, false, "0.00", true, ""},
        {dcSum, 2.5, 1, false, "", false, "2.5"},
        {dcCount, 99.5, 3, false, "", false, "3"},
        {dcCount, 0, 0, false, "", true, ""},
        {dcAverage, 10, 4, false, "", false, "2.5"},
        {dcAverage, 10, 0, false, "0.00", false, "0.00"},
        {dcMaximum, 45000, 2, true, "", false, "3/15/2023"},
        {dcSum, 0, 2, true, "", false, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(calcText(c.type, c.value, c.count, c.dateField, c.format, c.blankWhenZero, us), c.expected)
            << "value " << c.value << " format " << c.format;
}

TEST(SystemVariableText, ShowsPageNumbersAndThePrintDate) {
    VariableContext run;
    run.inRun = true;
    run.pageNo = 2;
    run.pageCount = 5;
    run.documentName = "Report";
    run.printDateTime = QDateTime(QDate(2023, 3, 15), QTime(0, 0));
    run.now = QDateTime(QDate(2024, 1, 2), QTime(9, 5));
    using enum TppVarType;
    EXPECT_EQ(systemVariableText(vtPrintDateTime, run, "", us), "3/15/2023");  // midnight: no time
    EXPECT_EQ(systemVariableText(vtPageNoDesc, run, "", us), "Page 2");
    EXPECT_EQ(systemVariableText(vtPageSetDesc, run, "", us), "Page 2 of 5");
    EXPECT_EQ(systemVariableText(vtPageSet, run, "", us), "2 of 5");
    EXPECT_EQ(systemVariableText(vtPageNo, run, "000", us), "002");
    EXPECT_EQ(systemVariableText(vtPageCount, run, "", us), "5");
    EXPECT_EQ(systemVariableText(vtDocumentName, run, "", us), "Report");
    EXPECT_EQ(systemVariableText(vtDate, run, "", us), "1/2/2024");
    EXPECT_EQ(systemVariableText(vtTime, run, "", us), "9:05:00 AM");

    run.printDateTime = QDateTime(QDate(2023, 3, 15), QTime(14, 30, 5));
    EXPECT_EQ(systemVariableText(vtPrintDateTime, run, "", us), "3/15/2023 2:30:05 PM");

    VariableContext outside;
    outside.now = run.now;
    EXPECT_EQ(systemVariableText(vtPageNo, outside, "", us), "1");
    EXPECT_EQ(systemVariableText(vtPrintDateTime, outside, "", us), "1/2/2024 9:05:00 AM");
    EXPECT_TRUE(needsPageCount(vtPageSetDesc));
    EXPECT_FALSE(needsPageCount(vtPageNoDesc));
}

// One unit of width per character, a fixed line height.
TextExtent fixedMeasure(const QString &text, const TppFont &) { return {int(text.size()) * 1000, 4000}; }

TppDrawText designed(TppTextAlignment alignment, bool autoSize, const QString &text) {
    TppDrawText t;
    t.left = 184680;
    t.top = 2646;
    t.width = 17216;
    t.height = 4498;
    t.text = text;
    t.alignment = alignment;
    t.autoSize = autoSize;
    return t;
}

TEST(PlaceText, AutoSizeKeepsTheEdgeOfItsAlignment) {
    using enum TppTextAlignment;
    for (const QString text : {"Page 9", "Page 12", "Page 12345"}) {
        TppDrawText right = designed(taRightJustified, true, text);
        placeText(right, fixedMeasure);
        EXPECT_EQ(right.left + right.width, 184680 + 17216) << text.toStdString();
        EXPECT_EQ(right.width, text.size() * 1000);
        EXPECT_EQ(right.height, 4000);

        TppDrawText left = designed(taLeftJustified, true, text);
        placeText(left, fixedMeasure);
        EXPECT_EQ(left.left, 184680);

        TppDrawText centred = designed(taCentered, true, text);
        placeText(centred, fixedMeasure);
        EXPECT_NEAR(centred.left + centred.width / 2.0, 184680 + 17216 / 2.0, 1);
    }
}

TEST(PlaceText, FixedSizeKeepsItsWidthButTakesTheFontHeight) {
    TppDrawText fixed = designed(TppTextAlignment::taRightJustified, false, "A long description");
    placeText(fixed, fixedMeasure);
    EXPECT_EQ(fixed.left, 184680);
    EXPECT_EQ(fixed.width, 17216);
    EXPECT_EQ(fixed.height, 4000);

    // Its width is never used, so its text is never measured: a measure per text is the
    // largest cost of a long report's pages.
    QStringList asked;
    const TextMeasure recording = [&](const QString &text, const TppFont &font) {
        asked.append(text);
        return fixedMeasure(text, font);
    };
    TppDrawText again = designed(TppTextAlignment::taLeftJustified, false, "A long description");
    placeText(again, recording);
    TppDrawText sized = designed(TppTextAlignment::taLeftJustified, true, "Page 7");
    placeText(sized, recording);
    EXPECT_EQ(again.height, 4000);
    EXPECT_EQ(asked, QStringList({"", "Page 7"}));

    TppDrawText unmeasured = designed(TppTextAlignment::taRightJustified, true, "Page 1");
    placeText(unmeasured, TextMeasure{});
    EXPECT_EQ(unmeasured.width, 17216);
    EXPECT_EQ(unmeasured.height, 4498);
}

} // namespace
