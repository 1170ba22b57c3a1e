#pragma once
#include "TransactionSchema.h"

#include <QString>

class TransactionTable;

// A field object of the table: reads and writes one column of the current record.
class TableField {
public:
    TableField(TransactionTable &table, const FieldPresentation &presentation);

    QString fieldName() const;
    QString objectName() const { return presentation_.objectName; }
    FieldType dataType() const;
    int size() const;
    int column() const { return presentation_.column; }

    QString displayLabel() const { return displayLabel_; }
    void setDisplayLabel(const QString &label) { displayLabel_ = label; }
    int displayWidth() const { return displayWidth_; }
    void setDisplayWidth(int width) { displayWidth_ = width; }
    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }

    bool isNull() const;
    double asDateTime() const;  // day number; a null date reads as day 0
    double asFloat() const;
    QString asString() const;   // the plain value, also the edit text
    QString displayText() const;

    void setAsFloat(double value);
    void setAsDateTime(double dayNumber);
    void setAsString(const QString &text);
    void clear();

private:
    TransactionTable &table_;
    const FieldPresentation &presentation_;
    QString displayLabel_;
    int displayWidth_;
    bool visible_;
};
