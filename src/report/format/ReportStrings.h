#pragma once
#include <QString>

// The fixed words the engine prints itself, kept in one table so they can be translated.
enum class ReportString { Page, Of };

QString reportString(ReportString id);
