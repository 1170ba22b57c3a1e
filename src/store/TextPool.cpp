#include "TextPool.h"

#include "TransactionRecord.h"

#include <algorithm>
#include <numeric>

quint32 TextPool::add(std::string &&utf8, QString text) {
    const auto id = quint32(values_.size());
    values_.push_back(std::move(text));
    ids_.emplace(std::move(utf8), id);
    ranksValid_ = false;
    return id;
}

quint32 TextPool::idOf(QByteArrayView utf8) {
    const std::string_view key(utf8.data(), size_t(utf8.size()));
    if (auto found = ids_.find(key); found != ids_.end()) return found->second;
    return add(std::string(key), QString::fromUtf8(utf8));
}

quint32 TextPool::idOf(const QString &text) {
    const QByteArray utf8 = text.toUtf8();
    const std::string_view key(utf8.data(), size_t(utf8.size()));
    auto found = ids_.find(key);
    if (found != ids_.end() && values_[found->second] == text) return found->second;
    if (found == ids_.end()) return add(std::string(key), text);
    // A text that does not survive UTF-8 (a lone surrogate) keeps its own entry, unshared.
    values_.push_back(text);
    ranksValid_ = false;
    return quint32(values_.size() - 1);
}

const std::vector<quint32> &TextPool::ranks() {
    if (ranksValid_) return ranks_;
    std::vector<quint32> byText(values_.size());
    std::iota(byText.begin(), byText.end(), 0u);
    std::sort(byText.begin(), byText.end(),
              [this](quint32 a, quint32 b) { return compareText(values_[a], values_[b]) < 0; });
    ranks_.assign(values_.size(), 0);
    quint32 rank = 0;
    for (size_t i = 0; i < byText.size(); ++i) {
        if (i > 0 && compareText(values_[byText[i - 1]], values_[byText[i]]) != 0) ++rank;
        ranks_[byText[i]] = rank;
    }
    ranksValid_ = true;
    return ranks_;
}
