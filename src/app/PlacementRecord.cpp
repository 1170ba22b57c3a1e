#include "PlacementRecord.h"
#include "IniFile.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

int readInteger(const IniFile &ini, const QString &section, const QString &key, int fallback) {
    bool ok = false;
    const int value = ini.value(section, key).toInt(&ok);
    return ok ? value : fallback;
}

// The screen-size key first, then the plain one; nothing when both are missing or empty.
QString readScreenValue(const IniFile &ini, const QString &section, const QString &key, QSize screen) {
    const QString sized = ini.value(section, screenKey(key, screen));
    return sized.isEmpty() ? ini.value(section, key) : sized;
}

std::optional<PlacementRecord::Quad> readQuad(const QString &text, const PlacementRecord::Quad &fallback) {
    if (text.isEmpty()) return std::nullopt;
    static const QRegularExpression separators("[, ]+");
    const QStringList parts = text.split(separators, Qt::SkipEmptyParts);
    PlacementRecord::Quad quad = fallback;
    for (int i = 0; i < 4 && i < parts.size(); ++i) {
        bool ok = false;
        const int value = parts[i].toInt(&ok);
        if (ok) quad[i] = value;
    }
    return quad;
}

QString joined(const PlacementRecord::Quad &quad) {
    return QString("%1,%2,%3,%4").arg(quad[0]).arg(quad[1]).arg(quad[2]).arg(quad[3]);
}

} // namespace

QString screenKey(const QString &key, QSize screen) {
    return QString("%1(%2x%3)").arg(key).arg(screen.width()).arg(screen.height());
}

PlacementRecord PlacementRecord::read(const IniFile &ini, const QString &section, QSize screen,
                                      const PlacementRecord &defaults, const Quad &currentNormal) {
    PlacementRecord record;
    record.formVersion = readInteger(ini, section, "FormVersion", 0);
    record.flags = readInteger(ini, section, "Flags", defaults.flags);
    record.minMaxPos = readQuad(readScreenValue(ini, section, "MinMaxPos", screen), {0, 0, 0, 0});
    record.normPos = readQuad(readScreenValue(ini, section, "NormPos", screen), currentNormal);
    record.pixelsPerInch = readInteger(ini, section, "PixelsPerInch", defaults.pixelsPerInch);
    record.showCmd = readInteger(ini, section, "ShowCmd", 0);
    return record;
}

void PlacementRecord::write(IniFile &ini, const QString &section, QSize screen) const {
    const Quad minMax = minMaxPos.value_or(Quad{0, 0, 0, 0});
    const Quad normal = normPos.value_or(Quad{0, 0, 0, 0});
    ini.setValue(section, "FormVersion", QString::number(formVersion));
    ini.setValue(section, "Flags", QString::number(flags));
    ini.setValue(section, "ShowCmd", QString::number(showCmd));
    ini.setValue(section, "PixelsPerInch", QString::number(pixelsPerInch));
    ini.setValue(section, screenKey("MinMaxPos", screen), joined(minMax));
    ini.setValue(section, "MinMaxPos", joined(minMax));
    ini.setValue(section, screenKey("NormPos", screen), joined(normal));
    ini.setValue(section, "NormPos", joined(normal));
    ini.setValue(section, "Visible", visible ? "1" : "0");
}
