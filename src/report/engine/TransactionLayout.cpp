#include "TransactionLayout.h"

#include "TppEnumNames.h"
#include "TppReport.h"

#include <array>

// The layout is data: the bands, then every component as one row of a table. The builder
// below only reads these tables.
namespace {

using B = TppBandType;
using A = TppTextAlignment;

constexpr QRgb Teal = 0x008080;
constexpr QRgb Black = 0x000000;

struct BandRow {
    const char *name;
    const char *userName;
    TppBandType type;
    int mmHeight;
};

const std::array<BandRow, 7> bandRows{{
    {"ppTitleBand2", "TitleBand2", B::btTitle, 31485},
    {"ppHeaderBand1", "HeaderBand1", B::btHeader, 0},
    {"ppGroupHeaderBand2", "GroupHeaderBand2", B::btGroupHeader, 11642},
    {"ppDetailBand1", "DetailBand1", B::btDetail, 4763},
    {"ppGroupFooterBand2", "GroupFooterBand2", B::btGroupFooter, 7408},
    {"ppSummaryBand1", "SummaryBand1", B::btSummary, 11377},
    {"ppFooterBand1", "FooterBand1", B::btFooter, 11906},
}};

enum class Kind { Label, DBText, DBCalc, SystemVariable, Line };

// One component. `content` is the caption of a label, the field of a data text or a sum, the
// variable type of a system variable; lines ignore it. Lines take their weight from
// `fontSize` (points) and their colour from `color`.
struct ComponentRow {
    B band;
    Kind kind;
    const char *name;
    const char *userName;
    const char *content;
    double fontSize;
    bool bold;
    bool italic;
    QRgb color;
    A alignment;
    bool autoSize;
    const char *resetGroup;  // sums only; nullptr for none
    int mmLeft, mmTop, mmWidth, mmHeight;
};

constexpr A L = A::taLeftJustified, R = A::taRightJustified, C = A::taCentered;

const ComponentRow componentRows[] = {
    // Title: four centred teal captions across the printable width.
    {B::btTitle, Kind::Label, "ppLabel1", "Label1", "Transaction Report", 20, true, false, Teal, C, false, nullptr, 794, 529, 201348, 8326},
    {B::btTitle, Kind::Label, "AcctLbl", "AcctLbl", "Accounts", 16, true, false, Teal, C, false, nullptr, 794, 8202, 201348, 6879},
    {B::btTitle, Kind::Label, "ppLabel15", "AcctLbl1", "Dates", 12, true, false, Teal, C, false, nullptr, 794, 14552, 201348, 5027},
    {B::btTitle, Kind::Label, "ppLabel16", "Label16", "Filter", 10, true, true, Teal, C, false, nullptr, 794, 19579, 201348, 4163},
    // Group header: the group's value, the column captions and the rule under them.
    {B::btGroupHeader, Kind::DBText, "ppDBText13", "DBText13", "Date", 10, true, false, Teal, L, false, nullptr, 3440, 1058, 97896, 4233},
    {B::btGroupHeader, Kind::Label, "ppLabel2", "Label2", "Date", 10, true, false, Black, L, false, nullptr, 3175, 5556, 19579, 4233},
    {B::btGroupHeader, Kind::Label, "ppLabel3", "Label3", "Description", 10, true, false, Black, L, false, nullptr, 24077, 5821, 47361, 4233},
    {B::btGroupHeader, Kind::Label, "ppLabel4", "Label4", "Category", 10, true, false, Black, L, false, nullptr, 72761, 5556, 38100, 4233},
    {B::btGroupHeader, Kind::Label, "ppLabel5", "Label5", "Account Name", 10, true, false, Black, L, false, nullptr, 112184, 5556, 34131, 4233},
    {B::btGroupHeader, Kind::Label, "ppLabel6", "Label6", "Tags", 10, true, false, Black, L, false, nullptr, 147638, 5556, 28840, 4233},
    {B::btGroupHeader, Kind::Label, "ppLabel7", "Label7", "Amount", 10, true, false, Black, R, false, nullptr, 177800, 5556, 19579, 4233},
    {B::btGroupHeader, Kind::Line, "ppLine1", "Line1", nullptr, 1.5, false, false, Teal, L, false, nullptr, 2646, 9790, 196586, 1588},
    // Detail: one row per transaction.
    {B::btDetail, Kind::DBText, "ppDBText1", "DBText1", "Date", 10, false, false, Black, L, false, nullptr, 3175, 265, 19579, 4163},
    {B::btDetail, Kind::DBText, "ppDBText2", "DBText2", "Description", 10, false, false, Black, L, false, nullptr, 24077, 265, 47361, 4163},
    {B::btDetail, Kind::DBText, "ppDBText3", "DBText3", "Category", 10, false, false, Black, L, false, nullptr, 72761, 265, 38100, 4163},
    {B::btDetail, Kind::DBText, "ppDBText4", "DBText4", "AcctName", 10, false, false, Black, L, false, nullptr, 112184, 265, 34131, 4163},
    {B::btDetail, Kind::DBText, "ppDBText5", "DBText5", "Labels", 10, false, false, Black, L, false, nullptr, 147638, 265, 28840, 4163},
    {B::btDetail, Kind::DBText, "ppDBText6", "DBText6", "Amount", 10, false, false, Black, R, false, nullptr, 178594, 265, 19579, 4233},
    // Group footer: the subtotal under the Amount column, or beside the group's value.
    {B::btGroupFooter, Kind::DBCalc, "ppDBCalc1", "DBCalc1", "Amount", 10, true, false, Teal, R, false, "ppGroup2", 180975, 2381, 17198, 4233},
    {B::btGroupFooter, Kind::DBCalc, "ppDBCalc2", "DBCalc2", "Amount", 10, true, false, Black, R, false, "ppGroup2", 104246, 2381, 19844, 4304},
    {B::btGroupFooter, Kind::Line, "ppLine3", "Line3", nullptr, 1.5, false, false, Teal, L, false, nullptr, 177536, 1323, 21696, 1588},
    {B::btGroupFooter, Kind::DBText, "ppDBText8", "DBText8", "Date", 10, true, false, Teal, R, false, nullptr, 4233, 2381, 97896, 4233},
    // Summary: the grand total under a double rule.
    {B::btSummary, Kind::DBCalc, "ppDBCalc3", "DBCalc3", "Amount", 10, true, false, Teal, R, false, nullptr, 177800, 5292, 20373, 4233},
    {B::btSummary, Kind::Line, "ppLine4", "Line4", nullptr, 1.5, false, false, Teal, L, false, nullptr, 177536, 2117, 21696, 1588},
    {B::btSummary, Kind::Line, "ppLine5", "Line5", nullptr, 1.5, false, false, Teal, L, false, nullptr, 177536, 3175, 21696, 1588},
    // Page footer: print date at the left, page number at the right, a heavy rule below.
    {B::btFooter, Kind::SystemVariable, "ppSystemVariable1", "SystemVariable1", "vtPrintDateTime", 9, false, false, Black, L, true, nullptr, 1323, 2646, 17216, 4498},
    {B::btFooter, Kind::SystemVariable, "ppSystemVariable2", "SystemVariable2", "vtPageNoDesc", 9, false, false, Black, R, true, nullptr, 184680, 2646, 17216, 4498},
    {B::btFooter, Kind::Label, "ppLabel8", "Label8", "", 8, false, false, Black, C, false, nullptr, 1058, 3175, 200819, 3175},
    {B::btFooter, Kind::Line, "ppLine2", "Line2", nullptr, 3.75, false, false, Teal, L, false, nullptr, 1323, 7144, 200555, 1588},
};

void applyText(TppCustomText &text, const ComponentRow &row) {
    text.font.name = "Arial";
    text.font.size = row.fontSize;
    text.font.bold = row.bold;
    text.font.italic = row.italic;
    text.font.color = row.color;
    text.textAlignment = row.alignment;
    text.autoSize = row.autoSize;
    text.transparent = true;
    text.wordWrap = false;
}

TppComponent &addComponent(TppBand &band, const ComponentRow &row) {
    switch (row.kind) {
    case Kind::Label: {
        auto &label = band.add<TppLabel>(row.name, row.userName);
        applyText(label, row);
        label.caption = QString::fromLatin1(row.content);
        return label;
    }
    case Kind::DBText: {
        auto &data = band.add<TppDBText>(row.name, row.userName);
        applyText(data, row);
        data.dataPipeline = "ppDBPipeline1";
        data.dataField = QString::fromLatin1(row.content);
        return data;
    }
    case Kind::DBCalc: {
        auto &calc = band.add<TppDBCalc>(row.name, row.userName);
        applyText(calc, row);
        calc.dataPipeline = "ppDBPipeline1";
        calc.dataField = QString::fromLatin1(row.content);
        calc.displayFormat = "0.00";
        calc.resetGroup = row.resetGroup ? QString::fromLatin1(row.resetGroup) : QString();
        return calc;
    }
    case Kind::SystemVariable: {
        auto &variable = band.add<TppSystemVariable>(row.name, row.userName);
        applyText(variable, row);
        variable.varType = enumFromName<TppVarType>(QString::fromLatin1(row.content)).value_or(TppVarType::vtDate);
        return variable;
    }
    case Kind::Line: break;
    }
    auto &line = band.add<TppLine>(row.name, row.userName);
    line.penColor = row.color;
    line.setWeight(row.fontSize);
    return line;
}

} // namespace

void buildTransactionReport(TppReport &report) {
    report.clear();
    report.setName("ppReport1");
    report.setUserName("Report1");
    report.dataPipelineName = "ppDBPipeline1";
    report.passSetting = TppPassSetting::psTwoPass;
    report.autoStop = false;
    report.noDataBlankPage = true;
    report.units = TppUnits::utInches;
    report.deviceType = "Screen";
    report.savePrinterSetup = true;

    TppPrinterSetup &setup = report.printerSetup;
    setup.printerName = "Default";
    setup.binName = "Default";
    setup.paperName = "Letter (8 1/2 x 11 in)";
    setup.paperSize = 1;
    setup.mmPaperWidth = 215900;
    setup.mmPaperHeight = 279401;
    setup.mmMarginLeft = setup.mmMarginTop = setup.mmMarginRight = setup.mmMarginBottom = 6350;
    setup.documentName = "Report";

    TppGroup &group = report.addGroup("ppGroup2", "Group2");
    group.breakName = "Date";
    group.breakType = TppBreakType::btDataField;
    group.dataPipeline = "ppDBPipeline1";

    for (const BandRow &row : bandRows) {
        const bool groupBand = row.type == B::btGroupHeader || row.type == B::btGroupFooter;
        TppBand *band = report.addBand(row.type, groupBand ? &group : nullptr);
        band->setName(row.name);
        band->setUserName(row.userName);
        band->mmHeight = row.mmHeight;
    }
    for (const ComponentRow &row : componentRows) {
        TppComponent &component = addComponent(*report.band(row.band), row);
        component.mmLeft = row.mmLeft;
        component.mmTop = row.mmTop;
        component.mmWidth = row.mmWidth;
        component.mmHeight = row.mmHeight;
    }
}
