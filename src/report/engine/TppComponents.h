#pragma once
#include "ReportTypes.h"
#include "TppEnums.h"
#include "TppObject.h"

#include <functional>
#include <memory>

class TppBand;
class TppReport;

// Something placed in a band. Positions are thousandths of a millimetre: the left from the
// left margin, the top from the band's top edge.
class TppComponent : public TppObject {
public:
    bool visible = true;
    int mmLeft = 0;
    int mmTop = 0;
    int mmWidth = 0;
    int mmHeight = 0;

    TppBand *band() const { return band_; }
    TppReport *report() const;

    // Position and size in the report's `Units` (inches unless changed).
    double left() const;
    void setLeft(double value);
    double top() const;
    void setTop(double value);
    double width() const;
    void setWidth(double value);
    double height() const;
    void setHeight(double value);

protected:
    static TppPropertyTable componentProperties();

private:
    friend class TppBand;
    TppBand *band_ = nullptr;
};

// What every text component shares.
class TppCustomText : public TppComponent {
public:
    TppFont font;
    TppTextAlignment textAlignment = TppTextAlignment::taLeftJustified;
    bool transparent = false;
    bool autoSize = false;
    bool wordWrap = false;
    QString displayFormat;

protected:
    static TppPropertyTable textProperties();
};

// A fixed text; a handler may replace it each time the label is drawn.
class TppLabel : public TppCustomText {
public:
    using GetTextHandler = std::function<void(TppLabel &sender, QString &text)>;
    TppLabel() { autoSize = true; }
    QString className() const override { return "TppLabel"; }

    QString caption;
    QString onGetTextName;  // the name of the handler bound to onGetText, kept for layouts
    GetTextHandler onGetText;

protected:
    const TppPropertyTable &propertyTable() const override;
};

// The value of one field of the current record.
class TppDBText : public TppCustomText {
public:
    QString className() const override { return "TppDBText"; }

    QString dataPipeline;  // the pipeline's name
    QString dataField;
    bool blankWhenZero = false;

protected:
    const TppPropertyTable &propertyTable() const override;
    static TppPropertyTable dataProperties();
};

// A running sum, count, minimum, maximum or average of a field over the records printed.
class TppDBCalc : public TppDBText {
public:
    QString className() const override { return "TppDBCalc"; }

    TppDBCalcType dbCalcType = TppDBCalcType::dcSum;
    QString resetGroup;  // the group's name; empty resets only at the start of a run

protected:
    const TppPropertyTable &propertyTable() const override;
};

// Page numbers, dates and the document name.
class TppSystemVariable : public TppCustomText {
public:
    TppSystemVariable() { autoSize = true; }
    QString className() const override { return "TppSystemVariable"; }

    TppVarType varType = TppVarType::vtDate;

protected:
    const TppPropertyTable &propertyTable() const override;
};

// A value that a handler computes once for every record printed (a running balance, say).
class TppVariable : public TppCustomText {
public:
    using CalcHandler = std::function<void(TppVariable &sender, TppValue &value)>;
    QString className() const override { return "TppVariable"; }

    TppDataType dataType = TppDataType::dtDouble;
    QString onCalcName;  // the name of the handler bound to onCalc, kept for layouts
    CalcHandler onCalc;

    // The value a run starts from: zero for numbers, empty text for texts.
    TppValue initialValue() const;

protected:
    const TppPropertyTable &propertyTable() const override;
};

// A horizontal rule along the top (or bottom) edge of its rectangle.
class TppLine : public TppComponent {
public:
    QString className() const override { return "TppLine"; }

    QRgb penColor = qRgb(0, 0, 0);
    int penWidth = 1;      // screen pixels at 96 per inch, follows the weight
    double weight = 0.75;  // points
    TppLinePosition position = TppLinePosition::lpTop;

    void setWeight(double points);

protected:
    const TppPropertyTable &propertyTable() const override;
};

// Makes an empty component of the named class; nullptr for a class that is not known.
std::unique_ptr<TppComponent> createComponent(const QString &className);
