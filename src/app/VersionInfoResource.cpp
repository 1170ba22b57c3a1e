#include "VersionInfoResource.h"
#include "VersionBlock.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// Bounds-checked little-endian reading of an untrusted block.
class Reader {
public:
    Reader(const QByteArray &bytes, qsizetype at, qsizetype end) : bytes_(bytes), at_(at), end_(end) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return at_ == end_; }

    std::uint32_t number(int size) {
        if (!ok_ || end_ - at_ < size) return fail();
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i) value |= std::uint32_t(std::uint8_t(bytes_[at_ + i])) << (8 * i);
        at_ += size;
        return value;
    }

    QString text() {
        const std::uint32_t size = number(2);
        if (!ok_ || end_ - at_ < qsizetype(size)) return fail(), QString();
        const QString value = QString::fromUtf8(bytes_.constData() + at_, qsizetype(size));
        at_ += size;
        return value;
    }

private:
    std::uint32_t fail() {
        ok_ = false;
        return 0;
    }

    const QByteArray &bytes_;
    qsizetype at_;
    qsizetype end_;
    bool ok_ = true;
};

QString versionText(const std::array<std::uint32_t, 2> &words) {
    return QString("%1.%2.%3.%4")
        .arg(words[0] >> 16).arg(words[0] & 0xffff).arg(words[1] >> 16).arg(words[1] & 0xffff);
}

// How the version texts are filed: by translation, then key.
QString stringKey(const QString &translation, const QString &key) {
    return "\\StringFileInfo\\" + translation + "\\" + key;
}

QString runningProgram() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationFilePath();
    return QFile::symLinkTarget("/proc/self/exe");
}

} // namespace

TVersionInfoResource::TVersionInfoResource(const QString &fileName) : fileName_(fileName) { load(); }

void TVersionInfoResource::setFileName(const QString &fileName) {
    fileName_ = fileName;
    load();
}

void TVersionInfoResource::clear() {
    translations_.clear();
    fileVersion_.reset();
    productVersion_.reset();
    strings_.clear();
}

void TVersionInfoResource::load() {
    clear();
    QFile file(fileName_.isEmpty() ? runningProgram() : fileName_);
    if (!file.open(QIODevice::ReadOnly)) return;
    // Mapping avoids copying a large program file just to find a few hundred bytes in it.
    if (uchar *mapped = file.map(0, file.size())) {
        loadFrom(QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), file.size()));
        file.unmap(mapped);
    } else {
        loadFrom(file.readAll());
    }
}

bool TVersionInfoResource::loadFrom(const QByteArray &fileBytes) {
    clear();
    const QByteArrayView marker(VersionBlock::Marker.data(), qsizetype(VersionBlock::Marker.size()));
    // The marker text also sits in this reader's own code; only a block that reads whole counts.
    for (qsizetype at = fileBytes.indexOf(marker); at >= 0; at = fileBytes.indexOf(marker, at + 1)) {
        if (parse(fileBytes, at + marker.size())) break;
        clear();
    }
    if (currentTranslation_ < 0 || currentTranslation_ >= translations_.size()) currentTranslation_ = 0;
    return hasVersion();
}

bool TVersionInfoResource::parse(const QByteArray &bytes, qsizetype at) {
    Reader header(bytes, at, bytes.size());
    const std::uint32_t length = header.number(4);
    if (!header.ok() || length > VersionBlock::MaximumPayload || bytes.size() - (at + 4) < qsizetype(length))
        return false;
    Reader in(bytes, at + 4, at + 4 + qsizetype(length));
    const std::array<std::uint32_t, 2> file{in.number(4), in.number(4)};
    const std::array<std::uint32_t, 2> product{in.number(4), in.number(4)};
    const std::uint32_t translationCount = in.number(2);
    for (std::uint32_t t = 0; in.ok() && t < translationCount; ++t) {
        const std::uint32_t language = in.number(2), codePage = in.number(2);
        const QString translation =
            QString("%1%2").arg(language, 4, 16, QChar('0')).arg(codePage, 4, 16, QChar('0')).toUpper();
        translations_ << translation;
        const std::uint32_t stringCount = in.number(2);
        for (std::uint32_t s = 0; in.ok() && s < stringCount; ++s) {
            const QString key = in.text();
            strings_.insert(stringKey(translation, key), in.text());
        }
    }
    if (!in.ok() || !in.atEnd()) return false;
    fileVersion_ = file;
    productVersion_ = product;
    return true;
}

QString TVersionInfoResource::fileVersionText() const { return fileVersion_ ? versionText(*fileVersion_) : QString(); }

QString TVersionInfoResource::productVersionText() const {
    return productVersion_ ? versionText(*productVersion_) : QString();
}

QString TVersionInfoResource::value(int keyIndex) const {
    if (keyIndex < 0 || keyIndex >= int(VersionBlock::KeyNames.size()) || translations_.isEmpty()) return {};
    const std::string_view key = VersionBlock::KeyNames[size_t(keyIndex)];
    return strings_.value(
        stringKey(translations_[currentTranslation_], QString::fromLatin1(key.data(), qsizetype(key.size()))));
}
