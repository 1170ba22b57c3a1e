#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

// Reads the version information a program file carries (see VersionBlock.h): the file and
// product versions, the translations and the version texts of each translation.
class TVersionInfoResource {
public:
    enum Key { CompanyName, FileDescription, FileVersion, InternalName, LegalCopyright, LegalTrademarks,
               OriginalFilename, ProductName, ProductVersion, Comments, BuildFlags };

    // An empty file name means the running program file. Loads at once.
    explicit TVersionInfoResource(const QString &fileName = {});

    QString fileName() const { return fileName_; }
    void setFileName(const QString &fileName);
    void load();
    // Reads the information from the bytes of a program file; false when it has none.
    bool loadFrom(const QByteArray &fileBytes);

    const QStringList &translations() const { return translations_; }
    int currentTranslation() const { return currentTranslation_; }
    void setCurrentTranslation(int index) { currentTranslation_ = index; }

    bool hasVersion() const { return fileVersion_.has_value(); }
    QString fileVersionText() const;
    QString productVersionText() const;
    // Empty for an index outside 0 to 10, a missing key or a file without information.
    QString value(int keyIndex) const;

private:
    void clear();
    bool parse(const QByteArray &bytes, qsizetype at);

    QString fileName_;
    QStringList translations_;
    int currentTranslation_ = 0;
    std::optional<std::array<std::uint32_t, 2>> fileVersion_;
    std::optional<std::array<std::uint32_t, 2>> productVersion_;
    QHash<QString, QString> strings_;  // "\StringFileInfo\<translation>\<key>" -> value
};
