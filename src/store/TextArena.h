#pragma once
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <vector>

// The long texts of one column (original descriptions, notes), rarely alike and rarely read,
// kept as UTF-8 in large blocks instead of one allocated string each. Entry n is row n's.
class TextArena {
public:
    void reserve(size_t rows) {
        starts_.reserve(rows);
        lengths_.reserve(rows);
    }
    void push(QByteArrayView utf8);
    // A changed text goes to the end; its old bytes stay until the table reloads.
    void set(size_t row, const QString &text);
    QString text(size_t row) const;

private:
    quint64 store(QByteArrayView utf8);

    // Blocks never move or grow, so filling them copies nothing twice.
    std::vector<std::unique_ptr<char[]>> blocks_;
    size_t used_ = 0;      // bytes taken in the last block
    size_t capacity_ = 0;  // size of the last block
    std::vector<quint64> starts_;   // by row: block number << 32 | offset in the block
    std::vector<quint32> lengths_;  // by row, in bytes
};
