#pragma once
#include <QFontMetricsF>
#include <QString>
#include <array>
#include <optional>
#include <string_view>

// The width of a text made only of digits and the marks of amounts and dates, as the sum of
// its characters' advances: a report's amounts and dates hardly repeat, and measuring each
// one would shape it again. A font may kern or join two of these characters, so each pair is
// checked against the font's own measure the first time it occurs; a text holding a pair
// whose advances do not add up, or any other character, gets no width here.
class SummedWidths {
public:
    explicit SummedWidths(const QFontMetricsF &metrics) : metrics_(metrics) { advances_.fill(unknown); }

    std::optional<double> widthOf(const QString &text);

private:
    static constexpr std::u16string_view characters = u"0123456789 .,$()-+/:%";
    static constexpr int count = int(characters.size());
    static constexpr double unknown = -1;
    enum class Pair : signed char { unchecked, adds, kerned };

    static int indexOf(QChar c);
    double advanceOf(int index);
    bool adds(int left, int right);

    QFontMetricsF metrics_;
    std::array<double, count> advances_;
    std::array<std::array<Pair, count>, count> pairs_{};
};
