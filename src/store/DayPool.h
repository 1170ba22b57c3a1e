#pragma once
#include <QtGlobal>

#include <unordered_map>
#include <vector>

// The distinct dates of the table, each stored once; rows hold small ids into it. A table of
// many years has a few thousand days, so ranking them costs nothing next to the rows.
class DayPool {
public:
    quint32 idOf(double day);
    double value(quint32 id) const { return values_[id]; }
    // By id: equal days share a rank, earlier days have smaller ranks.
    const std::vector<quint32> &ranks();

private:
    std::vector<double> values_;
    std::unordered_map<quint64, quint32> ids_;  // by the value's bits, so -0 keeps its sign
    std::vector<quint32> ranks_;
    bool ranksValid_ = false;
};
