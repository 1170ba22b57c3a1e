#pragma once
#include <QSize>
#include <QString>
#include <array>
#include <optional>

class IniFile;

// The section of the placement file as values, read and written with the file's keys in
// their fixed order. Keys that carry the screen size win over the plain ones.
struct PlacementRecord {
    using Quad = std::array<int, 4>;

    int formVersion = 0;
    int flags = 0;
    int showCmd = 0;
    int pixelsPerInch = 96;
    std::optional<Quad> minMaxPos;  // minimised x, y, maximised x, y
    std::optional<Quad> normPos;    // left, top, right, bottom of the normal rectangle
    bool visible = false;           // written only

    // Every missing or unreadable value takes the matching default; a missing or unreadable
    // part of NormPos takes the matching part of `currentNormal`, of MinMaxPos 0.
    static PlacementRecord read(const IniFile &ini, const QString &section, QSize screen,
                                const PlacementRecord &defaults, const Quad &currentNormal);
    void write(IniFile &ini, const QString &section, QSize screen) const;
};

QString screenKey(const QString &key, QSize screen);
