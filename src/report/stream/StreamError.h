#pragma once
#include "EngineError.h"
#include "StreamTree.h"

#include <cmath>

// A layout file that cannot be read raises the engine's error with this text in front.
inline EngineError streamError(const QString &detail)
{
    return EngineError(QStringLiteral("Invalid component stream: ") + detail);
}

// What both writers refuse before they put a name or a number out.
inline void checkStreamName(const QString &name, bool dotted)
{
    if (!name.isEmpty() && !isStreamName(name, dotted))
        throw streamError(QStringLiteral("the name '%1' is not an identifier").arg(name));
}

inline double finiteStreamNumber(double number)
{
    if (!std::isfinite(number))
        throw streamError("a number that is not finite");
    return number;
}
