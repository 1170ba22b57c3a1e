#include "SummedWidths.h"

namespace {

// The place of each ASCII character in the set, or -1.
constexpr std::array<signed char, 128> placesIn(std::u16string_view characters) {
    std::array<signed char, 128> places{};
    places.fill(-1);
    for (std::size_t i = 0; i < characters.size(); ++i) places[characters[i]] = static_cast<signed char>(i);
    return places;
}

} // namespace

int SummedWidths::indexOf(QChar c) {
    static constexpr std::array<signed char, 128> places = placesIn(characters);
    return c.unicode() < places.size() ? places[c.unicode()] : -1;
}

double SummedWidths::advanceOf(int index) {
    if (advances_[index] == unknown) advances_[index] = metrics_.horizontalAdvance(QString(QChar(characters[index])));
    return advances_[index];
}

// Advances are whole 64ths of a pixel, so their sums compare exactly.
bool SummedWidths::adds(int left, int right) {
    Pair &pair = pairs_[left][right];
    if (pair == Pair::unchecked) {
        const QChar both[] = {QChar(characters[left]), QChar(characters[right])};
        pair = metrics_.horizontalAdvance(QString(both, 2)) == advanceOf(left) + advanceOf(right) ? Pair::adds : Pair::kerned;
    }
    return pair == Pair::adds;
}

std::optional<double> SummedWidths::widthOf(const QString &text) {
    double width = 0;
    int previous = -1;
    for (const QChar c : text) {
        const int index = indexOf(c);
        if (index < 0 || (previous >= 0 && !adds(previous, index))) return std::nullopt;
        width += advanceOf(index);
        previous = index;
    }
    return width;
}
