#pragma once
#include "TransactionSchema.h"

#include <QString>

// What the filter component knows of one table field: enough to resolve criteria by name or
// label and to read the field straight from a record.
struct FilterField {
    QString name;
    FieldType type;
    QString displayLabel;
    int size;    // characters, 0 for non-text fields
    int column;  // storage column in the record
};
