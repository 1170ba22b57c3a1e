#include "ExtendedFloat.h"
#include <cmath>
#include <cstdint>

std::optional<double> extendedToDouble(const char bytes[10])
{
    const auto *b = reinterpret_cast<const unsigned char *>(bytes);
    uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | b[i];
    const unsigned signExponent = unsigned(b[8]) | (unsigned(b[9]) << 8);
    const int exponent = int(signExponent & 0x7FFF);
    const bool negative = (signExponent & 0x8000) != 0;
    if (exponent == 0x7FFF)
        return std::nullopt;
    double value = mantissa == 0 ? 0.0 : std::ldexp(double(mantissa), exponent - 16383 - 63);
    if (!std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

QByteArray doubleToExtended(double value)
{
    QByteArray out(10, '\0');
    uint64_t mantissa = 0;
    unsigned signExponent = std::signbit(value) ? 0x8000 : 0;
    if (value != 0) {
        int exponent = 0;
        const double fraction = std::frexp(std::fabs(value), &exponent);  // in [0.5, 1)
        mantissa = uint64_t(std::ldexp(fraction, 64));
        signExponent |= unsigned(exponent - 1 + 16383);
    }
    for (int i = 0; i < 8; ++i)
        out[i] = char((mantissa >> (8 * i)) & 0xFF);
    out[8] = char(signExponent & 0xFF);
    out[9] = char(signExponent >> 8);
    return out;
}
