#pragma once
#include <QByteArray>
#include <optional>

// The 80-bit extended float of the binary stream: a 64-bit mantissa with an explicit
// integer bit, a 15-bit exponent and a sign, little-endian. Values go through double.

// Empty when the bytes hold an infinity, a NaN, or a value beyond the double range.
std::optional<double> extendedToDouble(const char bytes[10]);
QByteArray doubleToExtended(double value);  // value must be finite
