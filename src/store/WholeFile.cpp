#include "WholeFile.h"

#include <QSaveFile>

QString replaceFileContent(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString()
                                                                      : QString("not every byte could be written (disk full?)");
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return QString();
}
