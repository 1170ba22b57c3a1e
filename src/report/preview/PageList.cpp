#include "PageList.h"

#include <algorithm>
#include <limits>

namespace {

// Reads digits from `at`; a number too long for an int is the largest int.
int readNumber(const QString &text, qsizetype &at) {
    qint64 value = 0;
    for (; at < text.size() && text[at].isDigit() && text[at].unicode() < 128; ++at)
        value = std::min<qint64>(value * 10 + (text[at].unicode() - '0'), std::numeric_limits<int>::max());
    return int(value);
}

bool digitAt(const QString &text, qsizetype at) {
    return at < text.size() && text[at].unicode() >= '0' && text[at].unicode() <= '9';
}

// At most this many pages come from one range: no report is longer, and "1-999999999"
// must not build a list of a billion numbers.
constexpr int largestRange = 1'000'000;

} // namespace

std::vector<int> parsePageList(const QString &text) {
    std::vector<int> pages;
    qsizetype at = 0;
    while (at < text.size()) {
        if (!digitAt(text, at)) {
            ++at;
            continue;
        }
        const int first = readNumber(text, at);
        if (at + 1 < text.size() && text[at] == '-' && digitAt(text, at + 1)) {
            ++at;
            const int last = readNumber(text, at);
            if (last < first) {
                pages.insert(pages.end(), {last, first});
            } else {
                const int end = int(std::min<qint64>(last, qint64(first) + largestRange));
                for (qint64 page = first; page <= end; ++page) pages.push_back(int(page));
            }
        } else {
            pages.push_back(first);
        }
    }
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    return pages;
}
