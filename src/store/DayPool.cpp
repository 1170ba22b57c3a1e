#include "DayPool.h"

#include <algorithm>
#include <bit>
#include <numeric>

quint32 DayPool::idOf(double day) {
    const auto bits = std::bit_cast<quint64>(day);
    if (auto found = ids_.find(bits); found != ids_.end()) return found->second;
    const auto id = quint32(values_.size());
    values_.push_back(day);
    ids_.emplace(bits, id);
    ranksValid_ = false;
    return id;
}

const std::vector<quint32> &DayPool::ranks() {
    if (ranksValid_) return ranks_;
    std::vector<quint32> byDay(values_.size());
    std::iota(byDay.begin(), byDay.end(), 0u);
    std::sort(byDay.begin(), byDay.end(), [this](quint32 a, quint32 b) { return values_[a] < values_[b]; });
    ranks_.assign(values_.size(), 0);
    quint32 rank = 0;
    for (size_t i = 0; i < byDay.size(); ++i) {
        if (i > 0 && values_[byDay[i - 1]] < values_[byDay[i]]) ++rank;
        ranks_[byDay[i]] = rank;
    }
    ranksValid_ = true;
    return ranks_;
}
