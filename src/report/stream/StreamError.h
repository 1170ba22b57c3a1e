#pragma once
#include "EngineError.h"

// A layout file that cannot be read raises the engine's error with this text in front.
inline EngineError streamError(const QString &detail)
{
    return EngineError(QStringLiteral("Invalid component stream: ") + detail);
}
