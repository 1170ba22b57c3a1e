#include "DefinitionCompare.h"
#include "EngineError.h"
#include "ReportTemplate.h"
#include "TemplateFile.h"
#include "TextStreamReader.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A small report with every kind of object and the properties a layout uses.
void buildSmallReport(TppReport &report)
{
    report.passSetting = TppPassSetting::psTwoPass;
    report.autoStop = false;
    report.savePrinterSetup = true;
    report.printerSetup.mmPaperHeight = 279401;
    report.printerSetup.documentName = "It's a report";

    TppBand &title = *report.addBand(TppBandType::btTitle);
    title.setName("ppTitleBand2");
    title.mmHeight = 31485;
    auto &heading = title.add<TppLabel>("ppLabel1", "Label1");
    heading.caption = QString::fromUtf8("Caf\xC3\xA9 \"costs\" & 'fees'");
    heading.font.size = 20;
    heading.font.bold = heading.font.italic = true;
    heading.font.color = qRgb(0, 128, 128);
    heading.textAlignment = TppTextAlignment::taCentered;
    heading.mmWidth = 201348;

    TppGroup &group = report.addGroup("ppGroup2", "Group2");
    group.breakName = "Date";
    group.dataPipeline = "ppDBPipeline1";
    TppBand &header = *report.addBand(TppBandType::btGroupHeader, &group);
    header.setName("ppGroupHeaderBand2");
    header.mmHeight = 11642;
    header.add<TppDBText>("ppDBText13", "DBText13").dataField = "Date";
    TppBand &footer = *report.addBand(TppBandType::btGroupFooter, &group);
    footer.setName("ppGroupFooterBand2");
    footer.visible = false;
    auto &subtotal = footer.add<TppDBCalc>("ppDBCalc1", "DBCalc1");
    subtotal.dataField = "Amount";
    subtotal.resetGroup = "ppGroup2";
    subtotal.displayFormat = "0.00";

    TppBand &detail = *report.addBand(TppBandType::btDetail);
    detail.setName("ppDetailBand1");
    detail.mmHeight = 4763;
    auto &balance = detail.add<TppVariable>("ppVariable1", "Variable1");
    balance.onCalcName = "ppVariable1Calc";
    balance.textAlignment = TppTextAlignment::taRightJustified;

    TppBand &pageFooter = *report.addBand(TppBandType::btFooter);
    pageFooter.setName("ppFooterBand1");
    pageFooter.mmHeight = 11906;
    pageFooter.add<TppSystemVariable>("ppSystemVariable2", "SystemVariable2").varType = TppVarType::vtPageNoDesc;
    pageFooter.add<TppLine>("ppLine2", "Line2").setWeight(3.75);
    pageFooter.add<TppLabel>("ppLabel8", "Label8").onGetTextName = "ppLabel8GetText";
}

struct Calls {
    int getText = 0;
    int calc = 0;
};

TemplateHandlers handlersCounting(Calls &calls)
{
    TemplateHandlers handlers;
    handlers.getText["ppLabel8GetText"] = [&calls](TppLabel &, QString &text) {
        ++calls.getText;
        text = "70.5";
    };
    handlers.calc["ppVariable1Calc"] = [&calls](TppVariable &, TppValue &value) {
        ++calls.calc;
        value = 2.5;
    };
    return handlers;
}

void writeFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray binaryOf(const TppReport &report) { return textStreamToBinary(templateText(report)); }

}  // namespace

TEST(ReportTemplate, TextFormReadsBackToAnEqualDefinition)
{
    TppReport original;
    buildSmallReport(original);
    const QByteArray text = templateText(original);
    Calls calls;
    TppReport loaded;
    loadTemplateData(loaded, text, handlersCounting(calls));
    expectSameDefinition(original, loaded);
    // The same definition comes back from the binary form.
    TppReport fromBinary;
    loadTemplateData(fromBinary, binaryOf(original), handlersCounting(calls));
    expectSameDefinition(original, fromBinary);
}

TEST(ReportTemplate, LoadingReplacesTheLayoutAndNamesReachTheNewObjects)
{
    TppReport source;
    buildSmallReport(source);
    TppReport report;
    TppBand &old = *report.addBand(TppBandType::btSummary);
    old.setName("ppSummaryBand1");
    old.add<TppLabel>("ppLabel8", "Label8").caption = "old";
    Calls calls;
    loadTemplateData(report, templateText(source), handlersCounting(calls), "layout.rtm");

    EXPECT_EQ(report.find<TppBand>("ppSummaryBand1"), nullptr);
    ASSERT_NE(report.find<TppLabel>("ppLabel8"), nullptr);
    EXPECT_EQ(report.find<TppLabel>("ppLabel8")->band()->type(), TppBandType::btFooter);
    EXPECT_EQ(report.find<TppLabel>("Label8"), report.find<TppLabel>("ppLabel8"));
    ASSERT_NE(report.find<TppGroup>("ppGroup2"), nullptr);
    EXPECT_EQ(report.find<TppGroup>("ppGroup2")->headerBand(), report.find<TppBand>("ppGroupHeaderBand2"));
    EXPECT_EQ(report.templateFileName, "layout.rtm");
}

TEST(ReportTemplate, HandlerNamesAreBoundToTheCallersHandlers)
{
    TppReport source;
    buildSmallReport(source);
    TppReport report;
    Calls calls;
    loadTemplateData(report, templateText(source), handlersCounting(calls));

    TppLabel &label = *report.find<TppLabel>("ppLabel8");
    ASSERT_TRUE(label.onGetText);
    QString text;
    label.onGetText(label, text);
    EXPECT_EQ(text, "70.5");
    TppVariable &variable = *report.find<TppVariable>("ppVariable1");
    ASSERT_TRUE(variable.onCalc);
    TppValue value;
    variable.onCalc(variable, value);
    EXPECT_EQ(calls.getText, 1);
    EXPECT_EQ(calls.calc, 1);
}

TEST(ReportTemplate, TextWrittenIsReadable)
{
    TppReport report;
    buildSmallReport(report);
    const QString text = QString::fromUtf8(templateText(report));
    EXPECT_TRUE(text.startsWith("object ppReport1: TppReport\n"));
    EXPECT_TRUE(text.contains("  PassSetting = psTwoPass\n"));
    EXPECT_TRUE(text.contains("  PrinterSetup.mmPaperHeight = 279401\n"));
    EXPECT_TRUE(text.contains("      Font.Style = [fsBold, fsItalic]\n"));
    EXPECT_TRUE(text.contains("      Weight = 3.75\n"));
    EXPECT_TRUE(text.contains("      OnGetText = ppLabel8GetText\n"));
    EXPECT_TRUE(text.contains("  object ppGroup2: TppGroup\n    UserName = 'Group2'\n    BreakName = 'Date'\n"));
}

TEST(ReportTemplate, MissingFileLeavesTheDefinitionAsItWas)
{
    TppReport report;
    buildSmallReport(report);
    const QByteArray before = templateText(report);
    const QString name = "/nonexistent/Reports/TransAcctReport.rtm";
    try {
        loadTemplate(report, name, {});
        FAIL();
    } catch (const EngineError &error) {
        EXPECT_EQ(error.text(), "File not found: " + name);
    }
    EXPECT_EQ(templateText(report), before);
}

TEST(ReportTemplate, OversizedFilesAreRefusedUnread)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("huge.rtm"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("object a: TppReport\n");
    ASSERT_TRUE(file.resize(kMaxTemplateFileSize + 1));
    file.close();
    TppReport report;
    EXPECT_THROW(loadTemplate(report, file.fileName(), {}), EngineError);
}

TEST(ReportTemplate, FilesAreReadFromDiskInEitherForm)
{
    QTemporaryDir dir;
    TppReport source;
    buildSmallReport(source);
    Calls calls;
    for (const QByteArray &bytes : {templateText(source), binaryOf(source)}) {
        writeFile(dir.filePath("t.rtm"), bytes);
        TppReport loaded;
        loadTemplate(loaded, dir.filePath("t.rtm"), handlersCounting(calls));
        expectSameDefinition(source, loaded);
    }
    saveTemplate(source, dir.filePath("saved.rtm"));
    TppReport saved;
    loadTemplate(saved, dir.filePath("saved.rtm"), handlersCounting(calls));
    expectSameDefinition(source, saved);
}

TEST(TemplateFile, OffsetRule)
{
    const QByteArray text = "object a: TppReport\nend\n";
    const QByteArray junk = QByteArray("\x10\x00\x00\x00", 4) + "junk-junk-junk!!";  // the first four say 16
    const QByteArray pointed = QByteArray("\x08\x00\x00\x00", 4) + "xxxx" + text;
    const struct {
        const char *what;
        QByteArray file;
        qint64 offset;
        qsizetype expected;  // -1: no stream found
        TppTemplateFormat format;
    } cases[] = {
        {"text at the start", text, 0, 0, TppTemplateFormat::ftASCII},
        {"binary at the start", "TPF0rest", 0, 0, TppTemplateFormat::ftBinary},
        {"at the offset", "12345" + text, 5, 5, TppTemplateFormat::ftASCII},
        {"offset wrong, start right", text, 7, 0, TppTemplateFormat::ftASCII},
        {"offset beyond the file, start right", text, 9999, 0, TppTemplateFormat::ftASCII},
        {"first four bytes point at it", pointed, 0, 8, TppTemplateFormat::ftASCII},
        {"first four bytes point at binary", QByteArray("\x06\x00\x00\x00..TPF0", 10), 3, 6, TppTemplateFormat::ftBinary},
        {"pointer at no signature", junk, 0, -1, TppTemplateFormat::ftASCII},
        {"negative pointer", QByteArray("\xFC\xFF\xFF\xFF", 4) + text, 0, -1, TppTemplateFormat::ftASCII},
        {"pointer beyond the file", QByteArray("\x00\x01\x00\x00", 4) + text, 0, -1, TppTemplateFormat::ftASCII},
        {"empty file", "", 0, -1, TppTemplateFormat::ftASCII},
        {"other text", "Object a: T\nend\n", 0, -1, TppTemplateFormat::ftASCII},
        {"short file", "TPF", 0, -1, TppTemplateFormat::ftASCII},
    };
    for (const auto &c : cases) {
        if (c.expected < 0) {
            try {
                locateTemplateStream(c.file, c.offset);
                ADD_FAILURE() << c.what;
            } catch (const EngineError &error) {
                EXPECT_EQ(error.text(), "Invalid Template Format") << c.what;
            }
            continue;
        }
        const TemplateStream stream = locateTemplateStream(c.file, c.offset);
        EXPECT_EQ(stream.offset, c.expected) << c.what;
        EXPECT_EQ(stream.format, c.format) << c.what;
        EXPECT_EQ(stream.bytes, c.file.mid(c.expected)) << c.what;
    }
}

TEST(ReportTemplate, StreamBehindALeadingPointerLoadsAndKeepsItsOffset)
{
    TppReport source;
    buildSmallReport(source);
    const QByteArray file = QByteArray("\x0C\x00\x00\x00", 4) + "preamble" + binaryOf(source);
    Calls calls;
    TppReport loaded;
    loadTemplateData(loaded, file, handlersCounting(calls));
    expectSameDefinition(source, loaded);
    EXPECT_EQ(loaded.templateOffset, 12);
}

TEST(ReportTemplate, MalformedLayoutsRaiseTheErrorAndChangeNothing)
{
    TppReport source;
    buildSmallReport(source);
    const QByteArray good = templateText(source);
    const QByteArray band = "object r: TppReport\n  object ppDetailBand1: TppDetailBand\n";
    const struct {
        const char *what;
        QByteArray file;
    } cases[] = {
        {"not a template", "hello"},
        {"truncated text", good.left(good.size() / 2)},
        {"truncated binary", binaryOf(source).chopped(3)},
        {"not a report", "object a: TppLabel\nend\n"},
        {"unknown class", band + "    object x: TppChart\n    end\n  end\nend\n"},
        {"unknown property", band + "    Colour = 5\n  end\nend\n"},
        {"value of the wrong kind", band + "    mmHeight = 'tall'\n  end\nend\n"},
        {"negative height", band + "    mmHeight = -5\n  end\nend\n"},
        {"unknown enumeration value", band + "    object x: TppLabel\n      TextAlignment = taSideways\n    end\n  end\nend\n"},
        {"binary data as a value", band + "    mmHeight = {00}\n  end\nend\n"},
        {"name used twice", band + "    object x: TppLabel\n    end\n    object x: TppLine\n    end\n  end\nend\n"},
        {"a second detail band", band + "  end\n  object d2: TppDetailBand\n  end\nend\n"},
        {"component holding a component", band + "    object x: TppLabel\n      object y: TppLabel\n      end\n    end\n  end\nend\n"},
        {"group band outside a group", "object r: TppReport\n  object h: TppGroupHeaderBand\n  end\nend\n"},
        {"component outside a band", "object r: TppReport\n  object x: TppLabel\n  end\nend\n"},
        {"unknown handler", band + "    object x: TppLabel\n      OnGetText = ppLabel9GetText\n    end\n  end\nend\n"},
    };
    for (const auto &c : cases) {
        TppReport report;
        buildSmallReport(report);
        Calls calls;
        EXPECT_THROW(loadTemplateData(report, c.file, handlersCounting(calls)), EngineError) << c.what;
        EXPECT_EQ(templateText(report), good) << c.what;
    }
}
