#pragma once
#include <QDateTime>
#include <QRgb>
#include <QString>
#include <variant>
#include <vector>

// The vocabulary shared by the report definition, the engine, the formatter and the page
// renderer. Every position and size is in thousandths of a millimetre.

enum class TppDataType {
    dtBoolean, dtDate, dtTime, dtDateTime, dtInteger, dtSingle, dtDouble, dtExtended,
    dtCurrency, dtChar, dtString, dtVariant, dtLongint, dtBLOB, dtMemo, dtGraphic, dtNotKnown
};

enum class TppVarType {
    vtDate, vtDateTime, vtDocumentName, vtPrintDateTime, vtPageCount, vtPageSet, vtPageSetDesc,
    vtPageNo, vtPageNoDesc, vtTime
};

enum class TppDBCalcType { dcCount, dcSum, dcMinimum, dcMaximum, dcAverage };

enum class TppTextAlignment { taLeftJustified, taRightJustified, taCentered, taFullJustified };

struct TppFont {
    QString name = QStringLiteral("Arial");  // static text: every command carries a font
    double size = 10;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QRgb color = qRgb(0, 0, 0);
    int charset = 0;
    bool operator==(const TppFont &) const = default;
};

// A value read from the pipeline. Dates and times are day numbers with a fraction
// (day 0 = 30 December 1899); currency keeps its double value.
struct TppCurrency {
    double value = 0;
    bool operator==(const TppCurrency &) const = default;
};
struct TppDateTime {
    double dayNumber = 0;
    bool operator==(const TppDateTime &) const = default;
};
using TppValue = std::variant<std::monostate, bool, TppDateTime, qint64, double, TppCurrency, QString>;

inline bool isNull(const TppValue &value) { return std::holds_alternative<std::monostate>(value); }

struct TppDrawText {
    int left = 0, top = 0, width = 0, height = 0;
    QString text;
    TppFont font;
    TppTextAlignment alignment = TppTextAlignment::taLeftJustified;
    bool transparent = true;
    bool wordWrap = false;
    bool autoSize = false;
};

struct TppDrawLine {
    int left = 0, top = 0, width = 0, height = 0;
    QRgb penColor = qRgb(0, 0, 0);
    double weight = 0.75;  // points; drawn along the top edge of the rectangle, single style
};

using TppDrawCommand = std::variant<TppDrawText, TppDrawLine>;

struct TppPageDefinition {
    int mmPaperWidth = 215900;   // Letter
    int mmPaperHeight = 279400;
    int mmMarginLeft = 6350;
    int mmMarginTop = 6350;
    int mmMarginRight = 6350;
    int mmMarginBottom = 6350;
};

struct TppPage {
    std::vector<TppDrawCommand> commands;
    int absolutePageNo = 1;
    int absolutePageCount = 0;
    int pageNo = 1;
    int pageCount = 0;
    bool firstPage = true;
    bool lastPage = false;
    QString documentName;
    QDateTime printDateTime;
    TppPageDefinition pageDefinition;
    bool countingOnly = false;
};
