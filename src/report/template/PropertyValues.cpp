#include "PropertyValues.h"
#include "EngineError.h"
#include <QSet>
#include <cmath>

namespace {

// The properties whose texts name something rather than say something.
const QSet<QString> &identifierProperties()
{
    static const QSet<QString> names = {
        "TextAlignment", "VarType", "DBCalcType", "DataType", "Position", "BreakType", "PassSetting",
        "Units", "DataPipeline", "ResetGroup", "OnGetText", "OnCalc",
    };
    return names;
}

bool isWholeInt(double number)
{
    return std::isfinite(number) && number == std::floor(number) && std::fabs(number) < 2147483648.0;
}

}  // namespace

QVariant toPropertyValue(const StreamValue &value)
{
    if (value.isInteger()) {
        if (value.integer >= INT32_MIN && value.integer <= INT32_MAX)
            return int(value.integer);
        return qlonglong(value.integer);
    }
    if (value.isFloat())
        return value.toDouble();
    if (value.isBool())
        return value.type == StreamValueType::True;
    if (value.isString() || value.type == StreamValueType::Ident)
        return value.text;
    if (value.type == StreamValueType::Set)
        return value.names;
    if (value.type == StreamValueType::Nil)
        return QString();  // no object referred to
    throw EngineError("Invalid template: a value of this kind is not part of a report layout");
}

StreamValue fromPropertyValue(const QString &propertyName, const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool: return StreamValue::fromBool(value.toBool());
    case QMetaType::Int:
    case QMetaType::LongLong: return StreamValue::fromInteger(value.toLongLong());
    case QMetaType::Double: {
        // Whole numbers are written without a fraction: Font.Size = 10, not 10.0.
        const double number = value.toDouble();
        return isWholeInt(number) ? StreamValue::fromInteger(qint64(number)) : StreamValue::fromDouble(number);
    }
    case QMetaType::QStringList: return StreamValue::fromSet(value.toStringList());
    case QMetaType::QString: {
        const QString text = value.toString();
        if (identifierProperties().contains(propertyName) && isStreamIdentifier(text))
            return StreamValue::fromIdent(text);
        return StreamValue::fromString(text);
    }
    default: break;
    }
    throw EngineError(QStringLiteral("The property %1 has a value a layout cannot hold").arg(propertyName));
}
