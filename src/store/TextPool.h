#pragma once
#include <QByteArrayView>
#include <QString>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The distinct texts of one column, each stored once; rows hold small ids into it. Ranks put
// the texts in index order (character codes), so that sorting compares two integers.
class TextPool {
public:
    // The id of a text, added when new. From the file's UTF-8 no text is made for a repeat.
    quint32 idOf(QByteArrayView utf8);
    quint32 idOf(const QString &text);
    const QString &value(quint32 id) const { return values_[id]; }
    size_t size() const { return values_.size(); }
    // By id: equal texts share a rank, a smaller rank sorts first.
    const std::vector<quint32> &ranks();

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    quint32 add(std::string &&utf8, QString text);

    std::vector<QString> values_;
    std::unordered_map<std::string, quint32, Hash, std::equal_to<>> ids_;
    std::vector<quint32> ranks_;
    bool ranksValid_ = false;
};
