#pragma once
#include "StreamTree.h"
#include <QVariant>

// Property values between the stream and the definition's property access.

// Raises the engine's error for a kind of value no definition property takes (null,
// lists, binary data, collections).
QVariant toPropertyValue(const StreamValue &value);

// `propertyName` decides whether a text is written as an identifier (an enumeration value,
// another object's name, a handler's name) or as a quoted string.
StreamValue fromPropertyValue(const QString &propertyName, const QVariant &value);
