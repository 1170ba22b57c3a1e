#include "CliSession.h"

#include "CliOptions.h"
#include "TablePassword.h"

#include <QCoreApplication>
#include <QDir>

QString programDirectory() {
    return QDir(QCoreApplication::applicationDirPath()).absolutePath() + QDir::separator();
}

LocaleFormats formatsForLocale(const QString &name) {
    if (name.isEmpty()) return LocaleFormats::fromSystem();
    const QLocale locale(name);
    // QLocale quietly falls back to "C" for names it does not know.
    if (locale.language() == QLocale::C && name != "C" && name != "POSIX")
        throw UsageError(QString("unknown locale %1").arg(name));
    return LocaleFormats::fromLocale(locale);
}

CliSession::CliSession(const CliOptions &options)
    : directory_(options.directory.isEmpty() ? programDirectory() : options.directory),
      formats_(formatsForLocale(options.locale)) {
    TableDatabase::addPassword(TablePassword);
    database_.setDirectory(directory_);
    table_ = std::make_unique<TransactionTable>(database_);
    table_->setLocaleFormats(formats_);
}
