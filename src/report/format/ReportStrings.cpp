#include "ReportStrings.h"

QString reportString(ReportString id) {
    switch (id) {
    case ReportString::Page: return QStringLiteral("Page");
    case ReportString::Of: return QStringLiteral("of");
    }
    return {};
}
